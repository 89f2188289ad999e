#include "data/QuotedText.h"

#include "common/Error.h"
#include "common/Messages.h"

namespace vevezo {

bool IsQuote(QChar c) {
    return c == u'\'' || c == u'"';
}

QString ReadQuotedText(const QString& pattern, qsizetype& pos) {
    const qsizetype end = pattern.indexOf(pattern[pos], pos + 1);
    if (end < 0) {
        throw ConvertError(QString::fromUtf8(msg::BadFormatText).arg(pattern));
    }
    const QString text = pattern.mid(pos + 1, end - pos - 1);
    pos = end + 1;
    return text;
}

} // namespace vevezo
