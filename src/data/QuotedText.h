#pragma once

#include <QString>

namespace vevezo {

// Reads text in single or double quotes starting at pattern[pos] (the opening quote) and moves
// pos past the closing quote. Number and date patterns print such text as it stands. An
// unterminated quote makes the pattern invalid: throws ConvertError.
QString ReadQuotedText(const QString& pattern, qsizetype& pos);

bool IsQuote(QChar c);

} // namespace vevezo
