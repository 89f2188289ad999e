#pragma once

#include <QStringList>

namespace vevezo {

// The parts of a field path ("Orders.Items.Price", "[Orders].[Amount]"): split at every ".",
// each part trimmed of characters up to blank and of enclosing "[" "]" pairs, again and again.
// An empty path has no parts.
QStringList SplitFieldPath(const QString& path);

// The source a path names when the binding names none: the text before the first ".", without
// one leading "[" and one trailing "]".
QString SourceOfPath(const QString& path);

} // namespace vevezo
