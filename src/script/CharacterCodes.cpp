#include "script/CharacterCodes.h"

#include "script/DecimalText.h"

namespace vevezo {

std::optional<QString> CharacterCodesText(QStringView name) {
    if (!name.startsWith(u'#')) {
        return std::nullopt;
    }
    QString text;
    qsizetype pos = 0;
    while (pos < name.size()) {
        if (name[pos] != u'#') {
            return std::nullopt;
        }
        ++pos;
        const qsizetype digitsStart = pos;
        int code = 0;
        for (; pos < name.size() && IsDecimalDigit(name[pos]); ++pos) {
            code = code * 10 + (name[pos].unicode() - u'0');
            if (code > 255) {
                return std::nullopt;
            }
        }
        if (pos == digitsStart) {
            return std::nullopt;
        }
        text.append(QChar(code));
    }
    return text;
}

} // namespace vevezo
