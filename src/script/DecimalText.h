#pragma once

#include <QChar>
#include <QStringView>
#include <optional>

namespace vevezo {

// Converts a plain decimal number text as a whole: an optional sign, digits with at most one
// decimal point (at least one digit), then an optional exponent "E"/"e" with an optional sign
// and digits. No blanks, no hexadecimal, no "inf" or "nan". The conversion keeps extended
// precision and does not depend on the process locale. A value beyond the extended range does
// not convert.
std::optional<long double> ParseDecimal(QStringView text);

// "0" to "9" only.
inline bool IsDecimalDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace vevezo
