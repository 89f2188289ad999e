#include "data/FieldPath.h"

namespace vevezo {

QStringList SplitFieldPath(const QString& path) {
    QStringList parts;
    if (path.isEmpty()) {
        return parts;
    }
    for (QString part : path.split(QLatin1Char('.'))) {
        for (;;) {
            const qsizetype before = part.size();
            while (!part.isEmpty() && part.front().unicode() <= 32) {
                part.remove(0, 1);
            }
            while (!part.isEmpty() && part.back().unicode() <= 32) {
                part.chop(1);
            }
            if (part.size() >= 2 && part.front() == u'[' && part.back() == u']') {
                part = part.mid(1, part.size() - 2);
            }
            if (part.size() == before) {
                break;
            }
        }
        parts << part;
    }
    return parts;
}

QString SourceOfPath(const QString& path) {
    QString source = path.section(QLatin1Char('.'), 0, 0);
    if (source.startsWith(u'[')) {
        source.remove(0, 1);
    }
    if (source.endsWith(u']')) {
        source.chop(1);
    }
    return source;
}

} // namespace vevezo
