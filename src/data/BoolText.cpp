#include "data/BoolText.h"

namespace vevezo {

QString BoolText(const QString& format, bool value) {
    if (format.isEmpty()) {
        return value ? QStringLiteral("1") : QStringLiteral("0");
    }
    if (!format.contains(u';')) {
        return value ? format : QString();
    }
    return format.section(u';', value ? 1 : 0, value ? 1 : 0);
}

} // namespace vevezo
