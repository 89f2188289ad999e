// Arbitrary bytes as a report set, as text and as compressed bytes, loaded into providers: never
// a crash, a hang or unbounded memory; a set that loads writes a report set that loads again.
#include "common/Error.h"
#include "document/TextCodec.h"
#include "providers/ReportSet.h"

#include <cstdint>
#include <cstdlib>

namespace {

QList<vevezo::TRptDoc*> All(vevezo::TRptDocs& docs) {
    QList<vevezo::TRptDoc*> all;
    for (int i = 0; i < docs.Count(); ++i) {
        all << docs.Items(i);
    }
    return all;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const bool compressed : {false, true}) {
        vevezo::TRptDocs docs;
        bool coPages = false;
        try {
            const bool loaded = compressed ? vevezo::LoadReportSetBytes(docs, bytes, coPages)
                                           : vevezo::LoadReportSetText(docs, bytes, coPages);
            if (!loaded) {
                continue;
            }
            vevezo::TRptDSOs* shared =
                docs.SingleDataSources() ? docs.DataSources().get() : nullptr;
            const QString written = vevezo::WriteReportSet(All(docs), shared, coPages);
            vevezo::TRptDocs again;
            if (!written.isEmpty() &&
                !vevezo::LoadReportSetText(again, vevezo::EncodeText(written), coPages)) {
                std::abort();
            }
        } catch (const vevezo::Error&) {
        }
    }
    return 0;
}
