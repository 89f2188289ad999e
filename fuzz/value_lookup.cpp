// Arbitrary field paths against an arbitrary data source: the first line of the input is the
// path (or expression), the rest the source text, opened as XML or as a data packet. Looking up
// values of every kind never crashes or hangs.
#include "common/Error.h"
#include "data/RptDSOs.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString input =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString field = input.section(QLatin1Char('\n'), 0, 0);
    const QString source = input.section(QLatin1Char('\n'), 1);
    for (const int type : {vevezo::rptDSxml, vevezo::rptDSxmldb}) {
        vevezo::TRptDSOs sources;
        sources.AddSystemSource();
        vevezo::TRptDSO* item = sources.Add();
        item->SetSource(source);
        item->SetDataType(type);
        item->Open();
        item->SetIsMain(true);
        for (const int kind : {1, 2, 3, 4, 7, 4095 + 1}) {
            for (const int row : {0, 1, 2}) {
                try {
                    sources.GetValue(kind, QString(), field, 1, QString(), row, row, nullptr);
                } catch (const vevezo::Error&) {
                    // a format the value cannot take
                }
            }
        }
    }
    return 0;
}
