#include "common/ValueText.h"

#include "common/VariantType.h"

namespace vevezo {

QString ValueText(const QVariant& value) {
    if (IsEmpty(value) || IsNull(value)) {
        return QString();
    }
    if (value.metaType() == QMetaType::fromType<Decimal>()) {
        return value.value<Decimal>().text;
    }
    if (value.metaType() == QMetaType::fromType<Currency>()) {
        return QString::number(value.value<Currency>().ToDouble(), 'g', 19);
    }
    if (value.metaType().id() == QMetaType::Bool) {
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    }
    return value.toString();
}

} // namespace vevezo
