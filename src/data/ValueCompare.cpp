#include "data/ValueCompare.h"

#include "common/DateTimeValue.h"
#include "common/VariantType.h"

#include <QDateTime>

namespace vevezo {

namespace {

bool IsNumberType(int varType) {
    switch (varType) {
    case varSmallint:
    case varInteger:
    case varSingle:
    case varDouble:
    case varCurrency:
    case varDecimal:
    case varShortInt:
    case varByte:
    case varWord:
    case varLongWord:
    case varInt64:
    case varUInt64:
        return true;
    default:
        return false;
    }
}

template <typename T> int Order(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

} // namespace

std::optional<double> NumberOf(const QVariant& value) {
    const int type = VarTypeOf(value);
    if (type == varCurrency) {
        return value.value<Currency>().ToDouble();
    }
    if (type == varDecimal) {
        return value.value<Decimal>().ToDouble();
    }
    if (IsNumberType(type)) {
        return value.toDouble();
    }
    if (type == varBoolean) {
        return value.toBool() ? -1.0 : 0.0;
    }
    return std::nullopt;
}

int CompareValues(const QVariant& a, const QVariant& b) {
    const bool aNull = IsNull(a) || IsEmpty(a);
    const bool bNull = IsNull(b) || IsEmpty(b);
    if (aNull || bNull) {
        return Order(!aNull, !bNull);
    }
    const int ta = VarTypeOf(a);
    const int tb = VarTypeOf(b);
    if (IsNumberType(ta) && IsNumberType(tb)) {
        return Order(*NumberOf(a), *NumberOf(b));
    }
    if (ta == varDate && tb == varDate) {
        return Order(DateTimeOfValue(a), DateTimeOfValue(b));
    }
    if (ta == varBoolean && tb == varBoolean) {
        return Order(a.toBool(), b.toBool());
    }
    // One side a number and the other a text that reads as one: compare as numbers.
    if (IsNumberType(ta) || IsNumberType(tb)) {
        bool okA = false;
        bool okB = false;
        const double na = IsNumberType(ta) ? *NumberOf(a) : a.toString().toDouble(&okA);
        const double nb = IsNumberType(tb) ? *NumberOf(b) : b.toString().toDouble(&okB);
        if ((IsNumberType(ta) || okA) && (IsNumberType(tb) || okB)) {
            return Order(na, nb);
        }
    }
    const int text = a.toString().compare(b.toString(), Qt::CaseInsensitive);
    return text < 0 ? -1 : (text > 0 ? 1 : 0);
}

QString ValueKey(const QVariant& value) {
    if (IsNull(value) || IsEmpty(value)) {
        return QString();
    }
    if (const auto number = NumberOf(value); number && VarTypeOf(value) != varBoolean) {
        return QStringLiteral("n:") + QString::number(*number, 'g', 17);
    }
    if (VarTypeOf(value) == varDate) {
        return QStringLiteral("d:") + DateTimeOfValue(value).toString(Qt::ISODateWithMs);
    }
    return QStringLiteral("s:") + value.toString();
}

} // namespace vevezo
