#include "common/Numbers.h"

#include "common/Error.h"
#include "common/Messages.h"

#include <climits>
#include <cmath>

namespace vevezo {

double RoundHalfEven(double value) {
    return std::nearbyint(value);
}

int RoundToInt(double value) {
    const double r = std::nearbyint(value);
    if (!(r >= INT_MIN && r <= INT_MAX)) {
        return r > 0 ? INT_MAX : INT_MIN;
    }
    return static_cast<int>(r);
}

std::optional<qint64> TryStrictInt64(QStringView text) {
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    // Accumulate as a negative number so that the minimum value fits.
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        const int digit = c - u'0';
        if (value < (LLONG_MIN + digit) / 10) {
            return std::nullopt;
        }
        value = value * 10 - digit;
    }
    if (!negative) {
        if (value == LLONG_MIN) {
            return std::nullopt;
        }
        value = -value;
    }
    return value;
}

std::optional<int> TryStrictInt(QStringView text) {
    const auto value = TryStrictInt64(text);
    if (!value || *value < INT_MIN || *value > INT_MAX) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

int StrictInt(QStringView text) {
    const auto value = TryStrictInt(text);
    if (!value) {
        throw ConvertError(QString::fromUtf8(msg::NotAnInteger).arg(text));
    }
    return *value;
}

} // namespace vevezo
