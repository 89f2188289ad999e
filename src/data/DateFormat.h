#pragma once

#include "common/FormatSettings.h"

#include <QDateTime>
#include <QString>

namespace vevezo {

// Formats a date and time by a date pattern, with the names, separators and date and time
// formats of the settings. Specifiers (letter case does not matter): c, d, dd, ddd, dddd, ddddd,
// dddddd, m, mm (minutes right after h or hh), mmm, mmmm, yy, yyyy, h, hh, n, nn, s, ss, z, zzz,
// t, tt, am/pm, a/p, ampm, "/" and ":"; quoted and other text prints as it stands. An empty
// pattern means "c". Throws ConvertError for an invalid pattern or a date outside years 1-9999.
QString FormatDateTime(const QString& pattern, const QDateTime& value,
                       const FormatSettings& settings);

} // namespace vevezo
