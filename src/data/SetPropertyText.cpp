#include "data/SetPropertyText.h"

#include "common/Error.h"
#include "common/Messages.h"
#include "document/XmlCons.h"

#include <QMetaProperty>
#include <optional>

namespace vevezo {

namespace {

bool HoldsBits(const QMetaProperty& property) {
    if (property.isEnumType()) {
        return true;
    }
    switch (property.metaType().id()) {
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

std::optional<QMetaProperty> SetProperty(const QObject* object, const char* name) {
    if (!object || !name) {
        return std::nullopt;
    }
    const QMetaObject* meta = object->metaObject();
    const int index = meta->indexOfProperty(name);
    if (index < 0 || !HoldsBits(meta->property(index))) {
        return std::nullopt;
    }
    return meta->property(index);
}

} // namespace

QString SetToText(const QObject* object, const char* property, bool brackets) {
    const auto found = SetProperty(object, property);
    if (!found || !found->isReadable()) {
        return {};
    }
    QVariant value = found->read(object);
    if (!value.convert(QMetaType::fromType<qint64>())) {
        return {};
    }
    // Bits 0-31: the value's low 32 bits.
    return SetToText(static_cast<quint32>(value.toLongLong()), brackets);
}

void SetFromText(QObject* object, const char* property, const QString& text) {
    const quint32 bits = SetFromText(text);
    const auto found = SetProperty(object, property);
    QVariant value = QVariant::fromValue(static_cast<qint64>(bits));
    if (!found || !found->isWritable() || !value.convert(found->metaType()) ||
        !found->write(object, value)) {
        throw ConvertError(QString::fromUtf8(msg::NotASetProperty)
                               .arg(QString::fromUtf8(property ? property : "")));
    }
}

} // namespace vevezo
