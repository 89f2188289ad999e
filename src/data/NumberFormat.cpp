#include "data/NumberFormat.h"

#include "data/NumberPattern.h"

#include <cmath>

namespace vevezo {

namespace {

constexpr int GeneralDigits = 15;
constexpr int MaxFixedIntegerDigits = 18;

// The digits a section prints: integer and fraction digits and, in scientific form, the
// exponent, already rounded and trimmed to the section's placeholders.
struct PlacedDigits {
    QString integer;
    QString fraction;
    int exponent = 0;
};

QString TrimFraction(QString fraction, int minimum) {
    while (fraction.size() > minimum && fraction.back() == u'0') {
        fraction.chop(1);
    }
    return fraction;
}

PlacedDigits FixedDigits(const DecimalNumber& magnitude, const NumberSection& section) {
    PlacedDigits placed;
    placed.integer = magnitude.IntegerDigits().rightJustified(section.minIntegerDigits, u'0');
    placed.fraction = TrimFraction(magnitude.FractionDigits(section.decimalPlaceholders),
                                   section.minDecimalDigits);
    return placed;
}

PlacedDigits ScientificDigits(const DecimalNumber& magnitude, const NumberSection& section) {
    const int integerCount = section.integerPlaceholders;
    PlacedDigits placed;
    QString digits;
    if (!magnitude.IsZero()) {
        const int significant = qMax(1, integerCount + section.decimalPlaceholders);
        const DecimalNumber rounded = magnitude.RoundedToSignificant(significant);
        placed.exponent = rounded.Exponent() - integerCount;
        digits = rounded.Digits();
    }
    digits = digits.leftJustified(integerCount + section.decimalPlaceholders, u'0');
    QString integer = digits.left(integerCount);
    while (!integer.isEmpty() && integer.front() == u'0') {
        integer.remove(0, 1);
    }
    placed.integer = integer.rightJustified(section.minIntegerDigits, u'0');
    placed.fraction = TrimFraction(digits.mid(integerCount), section.minDecimalDigits);
    return placed;
}

QString ExponentText(const NumberToken& token, int exponent) {
    QString text = token.text;
    if (exponent < 0) {
        text += u'-';
    } else if (token.sign == u'+') {
        text += u'+';
    }
    return text + QString::number(std::abs(exponent)).rightJustified(token.exponentDigits, u'0');
}

// Walks the section's tokens and puts the digits in place. Integer digits fill the integer
// placeholders from the right; digits beyond them go before the first placeholder.
QString PlaceDigits(const NumberSection& section, const PlacedDigits& placed,
                    const FormatSettings& settings) {
    const int count = static_cast<int>(placed.integer.size());
    const int placeholders = section.integerPlaceholders;
    QString out;
    // Prints the integer digit at `position` counted from the right, 0 being the units.
    const auto digitAt = [&](int position) {
        out += placed.integer[count - 1 - position];
        if (section.grouping && position > 0 && position % 3 == 0) {
            out += settings.thousandSeparator;
        }
    };
    int integerIndex = 0;
    int fractionIndex = 0;
    for (const NumberToken& token : section.tokens) {
        switch (token.kind) {
        case NumberToken::Literal:
            out += token.text;
            break;
        case NumberToken::Digit:
            if (token.afterPoint) {
                if (fractionIndex < placed.fraction.size()) {
                    out += placed.fraction[fractionIndex];
                }
                ++fractionIndex;
                break;
            }
            if (integerIndex == 0) {
                for (int position = count - 1; position >= placeholders; --position) {
                    digitAt(position);
                }
            }
            if (const int position = placeholders - 1 - integerIndex; position < count) {
                digitAt(position);
            }
            ++integerIndex;
            break;
        case NumberToken::Point:
            if (placeholders == 0) {
                for (int position = count - 1; position >= 0; --position) {
                    digitAt(position);
                }
            }
            if (!placed.fraction.isEmpty()) {
                out += settings.decimalSeparator;
            }
            break;
        case NumberToken::Exponent:
            out += ExponentText(token, placed.exponent);
            break;
        }
    }
    return out;
}

QString SectionOrPositive(const QStringList& sections, int index) {
    return index < sections.size() && !sections[index].isEmpty() ? sections[index] : sections[0];
}

} // namespace

QString GeneralNumberText(const DecimalNumber& value, const FormatSettings& settings) {
    if (value.IsZero()) {
        return QStringLiteral("0");
    }
    const DecimalNumber rounded = value.RoundedToSignificant(GeneralDigits);
    const QString sign = rounded.IsNegative() ? QStringLiteral("-") : QString();
    const QString& digits = rounded.Digits();
    const int exponent = rounded.Exponent();
    if (exponent > GeneralDigits || exponent < -3) {
        QString mantissa = digits.left(1);
        if (digits.size() > 1) {
            mantissa += settings.decimalSeparator + digits.mid(1);
        }
        return sign + mantissa + u'E' + QString::number(exponent - 1);
    }
    QString integer = rounded.IntegerDigits();
    if (integer.isEmpty()) {
        integer = QStringLiteral("0");
    }
    const QString fraction = rounded.FractionDigits(
        qMax(0, static_cast<int>(digits.size()) - qMax(0, exponent)) + qMax(0, -exponent));
    return sign + integer + (fraction.isEmpty() ? QString() : settings.decimalSeparator + fraction);
}

QString FormatNumber(const QString& pattern, const DecimalNumber& value,
                     const FormatSettings& settings) {
    const QStringList sections = SplitNumberSections(pattern);
    bool useNegative = value.IsNegative() && sections.size() > 1 && !sections[1].isEmpty();
    QString text = value.IsZero() ? SectionOrPositive(sections, 2)
                                  : SectionOrPositive(sections, value.IsNegative() ? 1 : 0);
    if (text.isEmpty()) {
        return GeneralNumberText(value, settings);
    }
    NumberSection section = ReadNumberSection(text);
    if (!section.scientific && value.IntegerDigitCount() > MaxFixedIntegerDigits) {
        return GeneralNumberText(value, settings);
    }
    DecimalNumber magnitude = value.Abs();
    if (!section.scientific) {
        magnitude = magnitude.RoundedToDecimals(section.decimalPlaceholders);
        if (magnitude.IsZero() && !value.IsZero()) {
            // What rounds to zero prints as zero: by the zero section and without a sign.
            useNegative = false;
            text = SectionOrPositive(sections, 2);
            if (text.isEmpty()) {
                return GeneralNumberText(magnitude, settings);
            }
            section = ReadNumberSection(text);
        }
    }
    const PlacedDigits placed =
        section.scientific ? ScientificDigits(magnitude, section) : FixedDigits(magnitude, section);
    const bool minus = value.IsNegative() && !useNegative && !magnitude.IsZero();
    return (minus ? QStringLiteral("-") : QString()) + PlaceDigits(section, placed, settings);
}

QString FormatNumber(const QString& pattern, double value, const FormatSettings& settings,
                     int significant) {
    if (std::isnan(value)) {
        return QStringLiteral("NAN");
    }
    if (std::isinf(value)) {
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    }
    return FormatNumber(pattern, DecimalNumber::FromDouble(value, significant), settings);
}

} // namespace vevezo
