#include "data/DecimalNumber.h"

#include <cmath>

namespace vevezo {

DecimalNumber::DecimalNumber(bool negative, QString digits, int exponent)
    : negative_(negative), digits_(std::move(digits)), exponent_(exponent) {
    // Normal form: no leading or trailing zeros, zero has no sign and exponent 0.
    qsizetype lead = 0;
    while (lead < digits_.size() && digits_[lead] == u'0') {
        ++lead;
    }
    digits_.remove(0, lead);
    exponent_ -= static_cast<int>(lead);
    while (!digits_.isEmpty() && digits_.back() == u'0') {
        digits_.chop(1);
    }
    if (digits_.isEmpty()) {
        negative_ = false;
        exponent_ = 0;
    }
}

DecimalNumber DecimalNumber::FromDouble(double value, int significant) {
    if (value == 0 || !std::isfinite(value)) {
        return {};
    }
    // "d.ddddde+XX": the mantissa's digits with the point after the first one.
    const QString text = QString::number(std::fabs(value), 'e', significant - 1);
    const qsizetype e = text.indexOf(u'e');
    QString digits = text.left(e);
    digits.remove(u'.');
    const int exponent = text.mid(e + 1).toInt() + 1;
    return DecimalNumber(value < 0, digits, exponent);
}

DecimalNumber DecimalNumber::FromUInt64(quint64 value) {
    const QString digits = QString::number(value);
    return DecimalNumber(false, digits, static_cast<int>(digits.size()));
}

DecimalNumber DecimalNumber::FromInt64(qint64 value) {
    // The magnitude of the minimum value does not fit a signed number.
    const quint64 magnitude = value < 0 ? 0 - static_cast<quint64>(value) : value;
    DecimalNumber number = FromUInt64(magnitude);
    number.negative_ = value < 0;
    return number;
}

DecimalNumber DecimalNumber::FromCurrency(Currency value) {
    DecimalNumber number = FromInt64(value.scaled);
    if (!number.IsZero()) {
        number.exponent_ -= 4;
    }
    return number;
}

DecimalNumber DecimalNumber::Abs() const {
    return DecimalNumber(false, digits_, exponent_);
}

DecimalNumber DecimalNumber::RoundedToDecimals(int decimals) const {
    return RoundedToLength(exponent_ + decimals);
}

DecimalNumber DecimalNumber::RoundedToSignificant(int count) const {
    return RoundedToLength(count);
}

DecimalNumber DecimalNumber::RoundedToLength(int keep) const {
    if (keep >= digits_.size()) {
        return *this;
    }
    if (keep < 0) {
        return {};
    }
    QString digits = digits_.left(keep);
    int exponent = exponent_;
    if (digits_[keep] >= u'5') {
        qsizetype i = digits.size() - 1;
        while (i >= 0 && digits[i] == u'9') {
            digits[i] = u'0';
            --i;
        }
        if (i >= 0) {
            digits[i] = QChar(digits[i].unicode() + 1);
        } else {
            digits.prepend(u'1');
            ++exponent;
        }
    }
    return DecimalNumber(negative_, digits, exponent);
}

QString DecimalNumber::IntegerDigits() const {
    if (exponent_ <= 0) {
        return {};
    }
    QString digits = digits_.left(exponent_);
    return digits.leftJustified(exponent_, u'0');
}

QString DecimalNumber::FractionDigits(int count) const {
    QString fraction;
    for (int i = 0; i < count; ++i) {
        const qsizetype index = exponent_ + i;
        fraction += index >= 0 && index < digits_.size() ? digits_[index] : QChar(u'0');
    }
    return fraction;
}

} // namespace vevezo
