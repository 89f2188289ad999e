#pragma once

#include "common/FormatSettings.h"
#include "data/DecimalNumber.h"

#include <QString>

namespace vevezo {

// Formats a number by a number pattern: up to three sections (positive; negative; zero), "0"
// and "#" digit placeholders, "." the decimal point, "," thousands grouping, "E+" "E-" "e+" "e-"
// scientific form, quoted and other text as it stands. The value is rounded halves away from
// zero. An empty section, or more than 18 integer digits in fixed form, gives the general form.
// Separators come from the settings. Throws ConvertError for an invalid pattern.
QString FormatNumber(const QString& pattern, const DecimalNumber& value,
                     const FormatSettings& settings);
// As above for a double taken with `significant` digits (15 for a double, 7 for a single);
// not-a-number and infinities print as "NAN", "INF" and "-INF".
QString FormatNumber(const QString& pattern, double value, const FormatSettings& settings,
                     int significant = 15);

// The general form: at most 15 significant digits, no trailing zeros, scientific ("1.5E20",
// "1E-5") when the integer part has more than 15 digits or the value is below 0.0001.
QString GeneralNumberText(const DecimalNumber& value, const FormatSettings& settings);

} // namespace vevezo
