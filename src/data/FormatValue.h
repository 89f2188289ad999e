#pragma once

#include "common/FormatSettings.h"

#include <QString>
#include <QVariant>

namespace vevezo {

// Formats a found value by its automation type: numbers (small integer to currency, byte to
// 64-bit) by the number pattern, or as Chinese money text for the format "$"; dates (QDateTime,
// QDate or QTime) by the date pattern; booleans by BoolText. Strings, decimals, small signed
// bytes, empty and null come back unchanged. The result is a string otherwise. Throws
// ConvertError for a pattern the number or date formatting rejects and for "$" with a number
// that is not finite.
QVariant FormatValue(const QString& format, const QVariant& value,
                     const FormatSettings& settings = UserFormatSettings());

} // namespace vevezo
