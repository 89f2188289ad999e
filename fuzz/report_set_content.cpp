// Arbitrary bytes as the content of a report-set file: finding the report-set XML in them, reading
// them as content text or as a compressed stream and looking into them as an HTML page never
// crash, hang or inflate without bound; text packed in any form unpacks to the same text.
#include "document/ContentText.h"
#include "document/HtmlPage.h"
#include "document/ReportSetContent.h"
#include "document/TextCodec.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Small enough that a stream inflating to it stays fast; large enough for any seed.
constexpr qsizetype kInflateLimit = 4 * 1024 * 1024;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    vevezo::ReportSetXmlText(bytes, kInflateLimit);
    const QString text = vevezo::DecodeText(bytes);
    vevezo::UnpackText(text, true, kInflateLimit);
    vevezo::UnpackText(bytes, false, kInflateLimit);
    vevezo::HtmlPageContent(text);

    // What the code page can carry comes back unchanged from every packed form.
    const QString expected = vevezo::DecodeText(vevezo::EncodeText(text));
    for (const int mode : {vevezo::kPackSixBit, vevezo::kPackHex, 1}) {
        const QVariant packed = vevezo::PackText(text, mode);
        if (vevezo::UnpackText(packed, mode != 1) != expected) {
            std::abort();
        }
    }
    return 0;
}
