#pragma once

#include "common/FormatSettings.h"

#include <QString>
#include <QVariant>
#include <optional>

namespace vevezo {

// The user's settings as data packets write dates: "-" between the parts and "yyyy-m-d" as the
// short date. Taken once, on first use, so that packets do not change with later settings.
const FormatSettings& PacketDateSettings();

// A record-set value as the text of a packet attribute, by column type (not for chapters):
// dates "yyyy-m-d" with the long time after a blank when there is a time of day, times alone in
// the long time format, bytes as upper-case hexadecimal (text as its 8-bit bytes), booleans
// "-1"/"0", numbers in the C form. Nothing (a null QString) for null and for no bytes.
QString PacketValueText(const QVariant& value, int type);

// A number written with "." (as packets write them) or with the user's decimal separator.
std::optional<double> NumberFromText(const QString& text);

// A packet attribute's text as a value of the column type: integers (unparsable text 0), numbers
// ("." or the user's decimal separator; unparsable 0), dates and times, booleans ("True",
// "False" or a number), bytes from hexadecimal; anything that does not convert stays text.
QVariant ValueFromText(const QString& text, int type);

} // namespace vevezo
