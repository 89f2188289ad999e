// Arbitrary bytes as a format and a value text: formatting the value as a number of every kind,
// a date, a boolean and a string never crashes or hangs; a bad format ends in an error.
#include "common/Error.h"
#include "common/VariantType.h"
#include "data/FormatValue.h"

#include <QDateTime>
#include <cstdint>

namespace {

void Format(const QString& format, const QVariant& value) {
    try {
        vevezo::FormatValue(format, value);
    } catch (const vevezo::Error&) {
    }
}

} // namespace

// The input is "format\nvalue"; without a line break it is all format and the value is empty.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString input =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype split = input.indexOf(u'\n');
    const QString format = split < 0 ? input : input.left(split);
    const QString text = split < 0 ? QString() : input.mid(split + 1);

    const double number = text.toDouble();
    Format(format, QVariant(number));
    Format(format, QVariant(static_cast<float>(number)));
    Format(format, QVariant(text.toLongLong()));
    Format(format, QVariant(text.toULongLong()));
    Format(format, QVariant(text.toInt()));
    try {
        Format(format, QVariant::fromValue(vevezo::Currency::FromDouble(number)));
    } catch (const vevezo::Error&) {
    }
    Format(format, QVariant(QDateTime::fromString(text, Qt::ISODateWithMs)));
    Format(format, QVariant(QDateTime(QDate(2024, 1, 5), QTime(14, 7, 9, 45))));
    Format(format, QVariant(QTime(0, 0)));
    Format(format, QVariant(text == u"1"));
    Format(format, QVariant(text));
    return 0;
}
