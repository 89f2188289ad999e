#pragma once

#include "common/FormatSettings.h"

#include <QDateTime>
#include <QString>

namespace vevezo {

// Formats a date and time by a date pattern, with the names, separators and date and time
// formats of the settings. Specifiers (letter case does not matter): c, d, dd, ddd, dddd, ddddd,
// dddddd, m, mm (minutes when the specifier before them is h or hh), mmm, mmmm, yy, yyyy, h, hh, n,
// nn, s, ss, z, zzz, t, tt, am/pm, a/p, ampm, "/" and ":"; quoted and other text prints as it
// stands. A marker (am/pm and a/p as written, ampm the settings' texts) puts the pattern's hours on
// the 12-hour clock. An empty pattern means "c". Throws ConvertError for an invalid pattern or a
// date outside years 1-9999.
QString FormatDateTime(const QString& pattern, const QDateTime& value,
                       const FormatSettings& settings);

} // namespace vevezo
