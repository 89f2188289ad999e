#include "data/ConnectionString.h"

namespace vevezo {

ConnectionString::ConnectionString(const QString& text) : text_(text) {
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype equals = text.indexOf(u'=', at);
        if (equals < 0) {
            break;
        }
        const QString key = text.mid(at, equals - at).trimmed().toLower();
        at = equals + 1;
        while (at < text.size() && text[at].isSpace()) {
            ++at;
        }
        QString value;
        const QChar open = at < text.size() ? text[at] : QChar();
        const QChar close = open == u'{' ? QChar(u'}') : open;
        if (open == u'{' || open == u'"' || open == u'\'') {
            const qsizetype end = text.indexOf(close, at + 1);
            const qsizetype stop = end < 0 ? text.size() : end;
            value = text.mid(at + 1, stop - at - 1);
            at = stop + 1;
            const qsizetype semicolon = text.indexOf(u';', at);
            at = semicolon < 0 ? text.size() : semicolon + 1;
        } else {
            const qsizetype semicolon = text.indexOf(u';', at);
            const qsizetype stop = semicolon < 0 ? text.size() : semicolon;
            value = text.mid(at, stop - at).trimmed();
            at = stop + 1;
        }
        if (!key.isEmpty()) {
            values_.insert(key, value);
        }
    }
}

QString ConnectionString::Value(std::initializer_list<const char*> keys) const {
    for (const char* key : keys) {
        const auto found = values_.constFind(QString::fromLatin1(key).toLower());
        if (found != values_.cend()) {
            return *found;
        }
    }
    return {};
}

} // namespace vevezo
