#include "data/AdoTypes.h"

#include <array>

namespace vevezo {

namespace {

struct TypeName {
    int type;
    const char* name;
    bool sized;
};

constexpr std::array<TypeName, 28> kTypeNames = {{
    {adSmallInt, "adSmallInt", false},
    {adInteger, "adInteger", false},
    {adSingle, "adSingle", false},
    {adDouble, "adDouble", false},
    {adCurrency, "adCurrency", false},
    {adDate, "adDate", false},
    {adBSTR, "adBSTR", false},
    {adBoolean, "adBoolean", false},
    {adDecimal, "adDecimal", false},
    {adTinyInt, "adTinyInt", false},
    {adUnsignedTinyInt, "adUnsignedTinyInt", false},
    {adUnsignedSmallInt, "adUnsignedSmallInt", false},
    {adUnsignedInt, "adUnsignedInt", false},
    {adBigInt, "adBigInt", false},
    {adUnsignedBigInt, "adUnsignedBigInt", false},
    {adBinary, "adBinary", false},
    {adChar, "adChar", true},
    {adWChar, "adWChar", true},
    {adNumeric, "adNumeric", false},
    {adDBDate, "adDBDate", false},
    {adDBTime, "adDBTime", false},
    {adDBTimeStamp, "adDBTimeStamp", false},
    {adVarChar, "adVarChar", true},
    {adLongVarChar, "adLongVarChar", true},
    {adVarWChar, "adVarWChar", true},
    {adLongVarWChar, "adLongVarWChar", true},
    {adVarBinary, "adVarBinary", false},
    {adLongVarBinary, "adLongVarBinary", false},
}};

} // namespace

int DefaultAttributes(int type) {
    int attributes = adFldUpdatable | adFldIsNullable | adFldMayBeNull;
    if (type == adLongVarChar || type == adLongVarWChar || type == adLongVarBinary) {
        attributes |= adFldLong;
    } else if (!IsCharType(type) && type != adVarBinary && type != adChapter) {
        attributes |= adFldFixed;
    }
    return attributes;
}

QString AdoTypeName(int type, int definedSize) {
    for (const TypeName& entry : kTypeNames) {
        if (entry.type == type) {
            const QString name = QLatin1String(entry.name);
            return entry.sized ? QStringLiteral("%1(%2)").arg(name).arg(definedSize) : name;
        }
    }
    return QStringLiteral("adVariant");
}

std::optional<int> AdoTypeFromName(const QString& name) {
    for (const TypeName& entry : kTypeNames) {
        if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0) {
            return entry.type;
        }
    }
    if (name.compare(QLatin1String("adVariant"), Qt::CaseInsensitive) == 0) {
        return adVariant;
    }
    return std::nullopt;
}

} // namespace vevezo
