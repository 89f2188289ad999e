#pragma once

#include "common/VariantType.h"

#include <QString>

namespace vevezo {

// A finite number as decimal digits: value = 0.d1d2d3... x 10^exponent, with a sign. Formatting
// rounds and places these digits, so that rounding works on the decimal text a user sees rather
// than on binary fractions (2.675 rounds to 2.68), and 64-bit integers and money amounts keep
// every digit.
class DecimalNumber {
public:
    DecimalNumber() = default;

    // A double by its shortest decimal form of at most `significant` digits; it must be finite.
    static DecimalNumber FromDouble(double value, int significant = 15);
    static DecimalNumber FromInt64(qint64 value);
    static DecimalNumber FromUInt64(quint64 value);
    static DecimalNumber FromCurrency(Currency value);

    bool IsNegative() const { return negative_; }
    bool IsZero() const { return digits_.isEmpty(); }
    // Significant digits without leading or trailing zeros; empty for zero.
    const QString& Digits() const { return digits_; }
    // The power of ten of the digit string as a fraction: 1234.5 has exponent 4, 0.05 has -1.
    int Exponent() const { return exponent_; }
    int IntegerDigitCount() const { return exponent_ > 0 ? exponent_ : 0; }

    DecimalNumber Abs() const;
    // Rounded, halves away from zero, to a number of decimals or of significant digits.
    DecimalNumber RoundedToDecimals(int decimals) const;
    DecimalNumber RoundedToSignificant(int count) const;

    // The digits before the point without leading zeros (empty below one).
    QString IntegerDigits() const;
    // The first `count` digits after the point, padded with zeros.
    QString FractionDigits(int count) const;

private:
    DecimalNumber(bool negative, QString digits, int exponent);
    DecimalNumber RoundedToLength(int keep) const;

    bool negative_ = false;
    QString digits_;
    int exponent_ = 0;
};

} // namespace vevezo
