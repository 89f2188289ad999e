#pragma once

#include <QString>

namespace vevezo {

// Messages are collected one per line, lines joined with CR LF.
inline void AppendMessageLine(QString& lines, const QString& line) {
    if (!lines.isEmpty()) {
        lines += u"\r\n";
    }
    lines += line;
}

} // namespace vevezo
