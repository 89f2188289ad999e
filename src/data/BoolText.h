#pragma once

#include <QString>

namespace vevezo {

// The text of a boolean by a format: empty format "1"/"0"; a format without ";" is the text for
// true (false gives an empty text); otherwise "false;true" (text after a second ";" is ignored),
// so 否;是 gives 否 for false and 是 for true.
QString BoolText(const QString& format, bool value);

} // namespace vevezo
