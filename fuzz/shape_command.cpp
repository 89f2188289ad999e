// Arbitrary text as a shaping command: parsing either succeeds or raises an error; running a
// parsed command over hand-made (database-less) records never crashes.
#include "common/Error.h"
#include "data/Shaper.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const vevezo::ShapeCommand command = vevezo::ShapeCommand::Parse(text);
        // Queries answer a small fixed table, so that relations find (or miss) real columns.
        const auto query = [](const QString&) {
            auto table = std::make_shared<vevezo::RecordTable>();
            table->fields.append(
                vevezo::RecordsetField{QStringLiteral("id"), vevezo::adInteger, 4, 0, nullptr});
            for (int i = 0; i < 3; ++i) {
                table->AppendRow({QVariant(i)});
            }
            return table;
        };
        vevezo::RunShape(command, query);
    } catch (const vevezo::Error&) {
    }
    return 0;
}
