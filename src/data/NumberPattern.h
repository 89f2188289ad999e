#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace vevezo {

// One section of a number pattern, read into the pieces the formatter places in order.
struct NumberToken {
    enum Kind { Literal, Digit, Point, Exponent };
    Kind kind = Literal;
    QString text;            // Literal: the text; Exponent: "E" or "e" as written
    QChar digit;             // Digit: '0' or '#'
    QChar sign;              // Exponent: '+' (always printed) or '-' (only when negative)
    int exponentDigits = 0;  // Exponent: minimum number of exponent digits (0-4)
    bool afterPoint = false; // Digit: the placeholder follows the decimal point
};

struct NumberSection {
    std::vector<NumberToken> tokens;
    int integerPlaceholders = 0;
    int minIntegerDigits = 0; // placeholders from the leftmost "0" before the point to it
    int decimalPlaceholders = 0;
    int minDecimalDigits = 0; // placeholders after the point up to the rightmost "0"
    bool grouping = false;
    bool scientific = false;
};

// Splits a pattern into its sections (positive, negative, zero) at ";" outside quotes. More
// than three sections or an unterminated quote make the pattern invalid: throws ConvertError.
QStringList SplitNumberSections(const QString& pattern);

// Reads one section. Throws ConvertError for an unterminated quote.
NumberSection ReadNumberSection(const QString& section);

} // namespace vevezo
