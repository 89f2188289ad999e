// Arbitrary bytes as a report design: loading never crashes or hangs, and a design the page
// accepts writes a text that reads back to the very same writing.
#include "common/Error.h"
#include "document/RptDesigner.h"
#include "document/TextCodec.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = vevezo::DecodeText(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    vevezo::TRptDesigner page;
    try {
        if (!page.LoadDesignXML(text)) {
            return 0;
        }
    } catch (const vevezo::Error&) {
        return 0;
    }
    const QString written = page.GetDesignXML();
    vevezo::TRptDesigner copy;
    if (!copy.LoadDesignXML(written) || copy.GetDesignXML() != written) {
        std::abort();
    }
    return 0;
}
