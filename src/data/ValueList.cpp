#include "data/ValueList.h"

#include "common/Numbers.h"

namespace vevezo {

namespace {

int OutIndex(xml::Node list) {
    const auto text = xml::Attr(list, "OutIndex");
    return text ? TryStrictInt(*text).value_or(-1) : -1;
}

QVariant EntryText(xml::Node entry) {
    const auto text = xml::Attr(entry, "v");
    return text ? QVariant(*text) : QVariant();
}

} // namespace

QVariant ApplyValueList(xml::Node list, const QVariant& value) {
    if (!list || !value.isValid()) {
        return value;
    }
    const QString key = value.toString();
    const auto listed = xml::Attr(list, "List");
    if (listed && TryStrictInt(*listed).value_or(0) != 0) {
        if (const xml::Node entry = xml::ChildWithAttrNoCase(list, "r", "k", key)) {
            return EntryText(entry);
        }
        const int out = OutIndex(list);
        if (out == -2) {
            return key;
        }
        if (out < 0) {
            return {};
        }
        return EntryText(xml::ChildWithAttr(list, "r", "i", QString::number(out)));
    }
    if (const auto text = xml::AttrNoCase(list, QStringLiteral("k") + key)) {
        return *text;
    }
    return OutIndex(list) == -2 ? QVariant(key) : QVariant();
}

} // namespace vevezo
