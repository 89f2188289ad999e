#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace vevezo {

// "Rounded" always means to nearest with ties to even (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);
int RoundToInt(double value);

// Strict integer conversion: an optional sign followed by decimal digits, nothing else (no
// blanks, no hexadecimal, no fraction), within the 32-bit range.
std::optional<int> TryStrictInt(QStringView text);
std::optional<qint64> TryStrictInt64(QStringView text);

// Throws ConvertError when the text is not a strict integer.
int StrictInt(QStringView text);

} // namespace vevezo
