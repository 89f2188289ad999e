#pragma once

#include <QMetaType>
#include <QString>
#include <QVariant>

namespace vevezo {

// Automation type codes of a value. Formatting and expressions branch on them, so every value
// the engine hands around keeps the type it came with.
enum VarType : int {
    varEmpty = 0,
    varNull = 1,
    varSmallint = 2,
    varInteger = 3,
    varSingle = 4,
    varDouble = 5,
    varCurrency = 6,
    varDate = 7,
    varOleStr = 8,
    varDispatch = 9,
    varError = 10,
    varBoolean = 11,
    varVariant = 12,
    varUnknown = 13,
    varDecimal = 14,
    varShortInt = 16,
    varByte = 17,
    varWord = 18,
    varLongWord = 19,
    varInt64 = 20,
    varUInt64 = 21,
    varArray = 0x2000,
};

// A fixed-point money amount with four decimals, held as ten-thousandths.
struct Currency {
    qint64 scaled = 0;

    static Currency FromDouble(double value);
    double ToDouble() const { return static_cast<double>(scaled) / 10000.0; }
    bool operator==(const Currency&) const = default;
};

// An exact decimal number, held as its canonical text ("-12.5"); the database layer produces it
// for numeric columns whose precision a double would lose.
struct Decimal {
    QString text;

    double ToDouble() const { return text.toDouble(); }
    bool operator==(const Decimal&) const = default;
};

// The "null" value: present but without data, unlike the empty (invalid) variant.
struct Null {
    bool operator==(const Null&) const = default;
};

QVariant NullValue();
bool IsEmpty(const QVariant& value);
bool IsNull(const QVariant& value);

// The automation type code of a value. Byte arrays are arrays of bytes and lists arrays of
// variants (varArray combined with the element type).
int VarTypeOf(const QVariant& value);

} // namespace vevezo

Q_DECLARE_METATYPE(vevezo::Currency)
Q_DECLARE_METATYPE(vevezo::Decimal)
Q_DECLARE_METATYPE(vevezo::Null)
