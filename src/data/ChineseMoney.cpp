#include "data/ChineseMoney.h"

#include "common/Error.h"
#include "common/Messages.h"
#include "data/DecimalNumber.h"

#include <array>
#include <cmath>

namespace vevezo {

namespace {

const std::array<QStringView, 10> Digits = {u"零", u"壹", u"贰", u"叁", u"肆",
                                            u"伍", u"陆", u"柒", u"捌", u"玖"};
// The unit of a digit by the number of digits to its right.
const std::array<QStringView, 13> Units = {u"圆", u"拾", u"佰", u"仟", u"万", u"拾", u"佰",
                                           u"仟", u"亿", u"拾", u"佰", u"仟", u"万"};
constexpr int MaxIntegerDigits = static_cast<int>(Units.size());

int DigitAt(const QString& digits, int position) {
    return digits[digits.size() - 1 - position].unicode() - u'0';
}

// 万 (position 4) stands over the digits up to 亿; 亿 (position 8) over every digit above it.
bool GroupHasDigits(const QString& digits, int position) {
    const int top = static_cast<int>(digits.size()) - 1;
    const int last = position == 4 ? qMin(7, top) : top;
    for (int p = position; p <= last; ++p) {
        if (DigitAt(digits, p) != 0) {
            return true;
        }
    }
    return false;
}

QString IntegerText(const QString& digits) {
    QString out;
    bool zeroPending = false;
    for (int position = static_cast<int>(digits.size()) - 1; position >= 0; --position) {
        const int digit = DigitAt(digits, position);
        if (digit != 0) {
            out += Digits[digit];
            if (position > 0) {
                out += Units[position];
            }
            zeroPending = false;
            continue;
        }
        if (!zeroPending && position > 0) {
            out += Digits[0];
            zeroPending = true;
        }
        if (position > 0 && position % 4 == 0 && GroupHasDigits(digits, position)) {
            if (zeroPending) {
                out.chop(1);
            }
            out += Units[position];
            zeroPending = false;
        }
    }
    if (zeroPending) {
        out.chop(1);
    }
    return out;
}

QString FractionText(const QString& fraction) {
    if (fraction == u"00") {
        return QStringLiteral("整");
    }
    QString out;
    const int tenths = fraction[0].unicode() - u'0';
    const int hundredths = fraction[1].unicode() - u'0';
    out += Digits[tenths];
    if (tenths != 0) {
        out += u'角';
    }
    if (hundredths != 0) {
        out += Digits[hundredths];
        out += u'分';
    }
    return out;
}

} // namespace

QString ChineseMoney(double amount) {
    if (!std::isfinite(amount)) {
        throw ConvertError(QString::fromUtf8(msg::NotANumber).arg(amount));
    }
    const DecimalNumber fen = DecimalNumber::FromDouble(amount).Abs().RoundedToDecimals(2);
    if (fen.IsZero()) {
        return QStringLiteral("零");
    }
    const QString integer = fen.IntegerDigits();
    if (integer.size() > MaxIntegerDigits) {
        throw ConvertError(QString::fromUtf8(msg::MoneyOutOfRange).arg(amount, 0, 'f', 2));
    }
    QString out = amount < 0 ? QStringLiteral("负") : QString();
    out += IntegerText(integer);
    out += Units[0];
    out += FractionText(fen.FractionDigits(2));
    return out;
}

} // namespace vevezo
