#include "data/FormatValue.h"

#include "common/DateTimeValue.h"
#include "common/VariantType.h"
#include "data/BoolText.h"
#include "data/ChineseMoney.h"
#include "data/DateFormat.h"
#include "data/NumberFormat.h"

namespace vevezo {

namespace {

QString FormatNumberValue(const QString& format, const QVariant& value, int type,
                          const FormatSettings& settings) {
    switch (type) {
    case varSingle:
        return FormatNumber(format, value.toDouble(), settings, 7);
    case varDouble:
        return FormatNumber(format, value.toDouble(), settings);
    case varCurrency:
        return FormatNumber(format, DecimalNumber::FromCurrency(value.value<Currency>()), settings);
    case varUInt64:
        return FormatNumber(format, DecimalNumber::FromUInt64(value.toULongLong()), settings);
    default:
        return FormatNumber(format, DecimalNumber::FromInt64(value.toLongLong()), settings);
    }
}

double AmountOf(const QVariant& value, int type) {
    return type == varCurrency ? value.value<Currency>().ToDouble() : value.toDouble();
}

} // namespace

QVariant FormatValue(const QString& format, const QVariant& value, const FormatSettings& settings) {
    const int type = VarTypeOf(value);
    switch (type) {
    case varSmallint:
    case varInteger:
    case varSingle:
    case varDouble:
    case varCurrency:
    case varByte:
    case varWord:
    case varLongWord:
    case varInt64:
    case varUInt64:
        if (format == u"$") {
            return ChineseMoney(AmountOf(value, type));
        }
        return FormatNumberValue(format, value, type, settings);
    case varDate:
        return FormatDateTime(format, DateTimeOfValue(value), settings);
    case varBoolean:
        return BoolText(format, value.toBool());
    default:
        return value;
    }
}

} // namespace vevezo
