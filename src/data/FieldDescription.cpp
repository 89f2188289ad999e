#include "data/FieldDescription.h"

#include "common/Numbers.h"
#include "data/ShapeCommand.h"

#include <cstring>

namespace vevezo {

namespace {

void DescribePacketFields(xml::Node fields, xml::Node into, bool shaped, int depth) {
    for (const xml::Node field : xml::ChildElements(fields)) {
        if (!xml::HasAttributes(field)) {
            continue;
        }
        const QString caption = xml::AttrOr(field, "Caption");
        const QString name = xml::AttrOr(field, "Name");
        if (caption.isEmpty() || name.isEmpty()) {
            continue;
        }
        xml::Node column = xml::AppendElement(into, name.toUtf8().constData());
        xml::SetAttr(column, "Caption", caption);
        for (const char* attribute : {"Alignment", "Format"}) {
            const QString value = xml::AttrOr(field, attribute);
            if (!value.isEmpty()) {
                xml::SetAttr(column, attribute, value);
            }
        }
        const QString type = xml::AttrOr(field, "Type", QStringLiteral("130"));
        xml::SetAttr(column, "DataType", type.isEmpty() ? QStringLiteral("130") : type);
        const QString size = xml::AttrOr(field, "DefinedSize");
        if (!size.isEmpty()) {
            xml::SetAttr(column, "Size", size);
        }
        if (shaped && type == QLatin1String("136") && depth < kMaxShapeDepth) {
            DescribePacketFields(xml::Child(field, "Fields"), column, shaped, depth + 1);
        }
        const xml::Node list = xml::Child(field, "DataList");
        if (list && !xml::Attr(list, "Caption")) {
            xml::AppendCopy(column, list);
        }
    }
}

void DescribeColumns(Recordset& records, xml::Node into, bool& chapterDescribed) {
    for (int i = 0; i < records.FieldCount(); ++i) {
        const RecordsetField& field = records.Field(i);
        xml::Node column = xml::AppendElement(into, field.name.toUtf8().constData());
        if (field.type == adChapter && !chapterDescribed && field.chapter) {
            chapterDescribed = true;
            // The nested columns come from the current record's chapter, or from the chapter's
            // table when there is no current record.
            RecordsetPtr nested = records.IsBOF() || records.IsEOF()
                                      ? Recordset::Over(field.chapter)
                                      : records.Chapter(i);
            DescribeColumns(*nested, column, chapterDescribed);
            continue;
        }
        xml::SetAttr(column, "DataType", field.type);
    }
}

} // namespace

QString DescriptionFromPacket(xml::Node packet) {
    if (!packet || std::strcmp(packet.name(), "BVDataPacket") != 0) {
        return {};
    }
    const xml::Node fields = xml::ChildPath(packet, "MetaData/Fields");
    if (!fields) {
        return {};
    }
    const QString shape = xml::AttrOr(packet, "DataShape");
    const auto shaped = shape.isEmpty() ? std::optional<int>(0) : TryStrictInt(shape);
    if (!shaped) {
        return {};
    }
    QString name = xml::AttrOr(packet, "Name");
    if (name.isEmpty()) {
        name = QStringLiteral("BVDataPacket");
    }
    xml::Document doc;
    xml::Node root = doc.CreateElement(name);
    const QString caption = xml::AttrOr(packet, "Caption");
    if (!caption.isEmpty()) {
        xml::SetAttr(root, "Caption", caption);
    }
    DescribePacketFields(fields, root, *shaped != 0, 0);
    return xml::Serialize(root);
}

QString DescriptionFromRecordSet(Recordset& records, const QString& name) {
    xml::Document doc;
    xml::Node root = doc.CreateElement(name);
    bool chapterDescribed = false;
    DescribeColumns(records, root, chapterDescribed);
    return xml::Serialize(root);
}

} // namespace vevezo
