#include "common/VariantType.h"

#include "common/Error.h"
#include "common/Messages.h"
#include "common/Numbers.h"

#include <QDateTime>

namespace vevezo {

Currency Currency::FromDouble(double value) {
    const double scaled = RoundHalfEven(value * 10000.0);
    // 2^63 is exactly representable; anything at or beyond it (or not a number) cannot be held.
    if (!(scaled > -9223372036854775808.0 && scaled < 9223372036854775808.0)) {
        throw ConvertError(QString::fromUtf8(msg::NotANumber).arg(value));
    }
    return Currency{static_cast<qint64>(scaled)};
}

QVariant NullValue() {
    return QVariant::fromValue(Null{});
}

bool IsEmpty(const QVariant& value) {
    return !value.isValid();
}

bool IsNull(const QVariant& value) {
    return value.metaType() == QMetaType::fromType<Null>();
}

int VarTypeOf(const QVariant& value) {
    if (!value.isValid()) {
        return varEmpty;
    }
    const QMetaType type = value.metaType();
    if (type == QMetaType::fromType<Null>()) {
        return varNull;
    }
    if (type == QMetaType::fromType<Currency>()) {
        return varCurrency;
    }
    if (type == QMetaType::fromType<Decimal>()) {
        return varDecimal;
    }
    switch (type.id()) {
    case QMetaType::Short:
        return varSmallint;
    case QMetaType::Int:
    case QMetaType::Long:
        return varInteger;
    case QMetaType::Float:
        return varSingle;
    case QMetaType::Double:
        return varDouble;
    case QMetaType::QDate:
    case QMetaType::QTime:
    case QMetaType::QDateTime:
        return varDate;
    case QMetaType::QString:
    case QMetaType::QChar:
        return varOleStr;
    case QMetaType::QObjectStar:
        return varDispatch;
    case QMetaType::Bool:
        return varBoolean;
    case QMetaType::SChar:
        return varShortInt;
    case QMetaType::UChar:
    case QMetaType::Char:
        return varByte;
    case QMetaType::UShort:
        return varWord;
    case QMetaType::UInt:
    case QMetaType::ULong:
        return varLongWord;
    case QMetaType::LongLong:
        return varInt64;
    case QMetaType::ULongLong:
        return varUInt64;
    case QMetaType::QByteArray:
        return varArray | varByte;
    case QMetaType::QVariantList:
    case QMetaType::QStringList:
        return varArray | varVariant;
    default:
        return varUnknown;
    }
}

} // namespace vevezo
