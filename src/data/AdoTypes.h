#pragma once

#include <QString>
#include <optional>

namespace vevezo {

// Column type numbers of record sets and data packets.
enum AdoType : int {
    adEmpty = 0,
    adSmallInt = 2,
    adInteger = 3,
    adSingle = 4,
    adDouble = 5,
    adCurrency = 6,
    adDate = 7,
    adBSTR = 8,
    adBoolean = 11,
    adVariant = 12,
    adDecimal = 14,
    adTinyInt = 16,
    adUnsignedTinyInt = 17,
    adUnsignedSmallInt = 18,
    adUnsignedInt = 19,
    adBigInt = 20,
    adUnsignedBigInt = 21,
    adBinary = 128,
    adChar = 129,
    adWChar = 130,
    adNumeric = 131,
    adDBDate = 133,
    adDBTime = 134,
    adDBTimeStamp = 135,
    adChapter = 136,
    adVarChar = 200,
    adLongVarChar = 201,
    adVarWChar = 202,
    adLongVarWChar = 203,
    adVarBinary = 204,
    adLongVarBinary = 205,
};

// Field attribute bits.
enum AdoFieldAttribute : int {
    adFldUpdatable = 0x4,
    adFldFixed = 0x10,
    adFldIsNullable = 0x20,
    adFldMayBeNull = 0x40,
    adFldLong = 0x80,
};

// Record-set states and the capabilities asked for with Supports.
enum AdoObjectState : int { adStateClosed = 0, adStateOpen = 1 };
enum AdoCursorOption : int { adBookmark = 0x2000, adApproxPosition = 0x4000 };

// The largest defined size: long text and binary columns without a declared size.
inline constexpr int kUnlimitedSize = 2147483647;

inline bool IsIntegerType(int type) {
    return type == adSmallInt || type == adInteger ||
           (type >= adTinyInt && type <= adUnsignedBigInt);
}
inline bool IsFloatType(int type) {
    return type == adSingle || type == adDouble || type == adCurrency || type == adDecimal ||
           type == adNumeric;
}
inline bool IsDateType(int type) {
    return type == adDate || type == adDBDate || type == adDBTimeStamp;
}
inline bool IsBinaryType(int type) {
    return type == adBinary || type == adVarBinary || type == adLongVarBinary;
}
inline bool IsCharType(int type) {
    return type == adBSTR || type == adChar || type == adWChar ||
           (type >= adVarChar && type <= adLongVarWChar);
}

// The attributes a new column of the type has: updatable and nullable, fixed-length for numbers,
// dates and fixed binaries, long for long text and binaries.
int DefaultAttributes(int type);

// The type's name in a shaping command: "adInteger", "adVarChar(20)" (the size in parentheses
// for the character types), "adVariant" for a type without a name.
QString AdoTypeName(int type, int definedSize);
// The type a shaping command names (letter case ignored, without the size), or nothing.
std::optional<int> AdoTypeFromName(const QString& name);

} // namespace vevezo
