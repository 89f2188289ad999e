#include "data/DataPacket.h"

#include "common/Error.h"
#include "common/Numbers.h"
#include "common/VariantType.h"
#include "data/Connection.h"
#include "data/PacketIndex.h"
#include "data/PacketShape.h"
#include "data/PacketText.h"

#include <QHash>
#include <cstring>

namespace vevezo {

namespace {

bool IsShapeId(const QString& name) {
    return name.compare(QLatin1String(kShapeIdColumn), Qt::CaseInsensitive) == 0;
}

// The columns written: all but the internal id, and with a description only those it lists.
struct WrittenColumn {
    int column;
    xml::Node entry; // the description's entry, or null
};

std::vector<WrittenColumn> WrittenColumns(const Recordset& records, xml::Node description) {
    std::vector<WrittenColumn> columns;
    for (int i = 0; i < records.FieldCount(); ++i) {
        const QString& name = records.Field(i).name;
        if (IsShapeId(name)) {
            continue;
        }
        xml::Node entry;
        if (description) {
            entry = xml::ChildNoCase(description, name);
            if (!entry) {
                continue;
            }
        }
        columns.push_back({i, entry});
    }
    return columns;
}

void CopyDisplayData(xml::Node entry, xml::Node field) {
    const QString caption = xml::AttrOr(entry, "Caption");
    xml::SetAttr(field, "Caption", caption.isEmpty() ? xml::NodeName(entry) : caption);
    for (const char* name : {"Alignment", "Format"}) {
        const QString value = xml::AttrOr(entry, name);
        if (!value.isEmpty()) {
            xml::SetAttr(field, name, value);
        }
    }
    const xml::Node list = xml::Child(entry, "DataList");
    if (list && !xml::Attr(list, "Caption")) {
        xml::AppendCopy(field, list);
    }
}

void WriteFields(Recordset& records, xml::Node description, xml::Node fields, xml::Node root) {
    for (const WrittenColumn& written : WrittenColumns(records, description)) {
        const RecordsetField& column = records.Field(written.column);
        xml::Node field = xml::AppendElement(fields, "Field");
        xml::SetAttr(field, "Name", column.name);
        if (written.entry) {
            CopyDisplayData(written.entry, field);
        }
        xml::SetAttr(field, "Type", column.type);
        if (IsCharType(column.type)) {
            xml::SetAttr(field, "DefinedSize", column.definedSize);
        }
        if (column.type == adChapter && column.chapter) {
            if (root) {
                xml::SetBoolAttr(root, "DataShape", true);
            }
            // The nested columns are known without a record, so that empty shaped records keep
            // their shape too.
            RecordsetPtr nested;
            if (records.IsBOF() && records.IsEOF()) {
                nested = Recordset::Over(column.chapter, std::make_shared<std::vector<int>>());
            } else {
                records.MoveFirst();
                nested = records.Chapter(written.column);
            }
            WriteFields(*nested, written.entry, xml::AppendElement(field, "Fields"), {});
        }
        if (column.attributes != 0) {
            xml::SetAttr(field, "Attributes", column.attributes);
        }
    }
}

void WriteRows(Recordset& records, xml::Node description, xml::Node rowData) {
    const std::vector<WrittenColumn> columns = WrittenColumns(records, description);
    std::vector<QByteArray> names;
    for (const WrittenColumn& written : columns) {
        names.push_back(records.Field(written.column).name.toUtf8());
    }
    if (!records.IsBOF()) {
        records.MoveFirst();
    }
    for (; !records.IsEOF(); records.MoveNext()) {
        xml::Node row = xml::AppendElement(rowData, "Row");
        for (size_t i = 0; i < columns.size(); ++i) {
            const RecordsetField& column = records.Field(columns[i].column);
            if (column.type == adChapter) {
                RecordsetPtr nested = records.Chapter(columns[i].column);
                xml::Node nestedRows = xml::AppendElement(row, "RowData");
                xml::SetAttr(nestedRows, "Field", column.name);
                if (nested) {
                    WriteRows(*nested, columns[i].entry, nestedRows);
                }
                continue;
            }
            const QString text = PacketValueText(records.Value(columns[i].column), column.type);
            if (!text.isNull()) {
                xml::SetAttr(row, names[i].constData(), text);
            }
        }
    }
}

// An optional integer attribute: absent or empty gives the fallback, other text throws.
int IntAttr(xml::Node node, const char* name, int fallback) {
    const auto text = xml::AttrNoCase(node, QString::fromLatin1(name));
    return !text || text->isEmpty() ? fallback : StrictInt(*text);
}

xml::Node FieldsOf(xml::Node packet) {
    return xml::ChildNoCase(xml::ChildNoCase(packet, QStringLiteral("MetaData")),
                            QStringLiteral("Fields"));
}

RecordsetPtr PlainRecordSet(xml::Node fields) {
    auto records = std::make_shared<Recordset>();
    for (const xml::Node field : xml::ChildElements(fields)) {
        const QString name = xml::AttrNoCase(field, QStringLiteral("Name")).value_or(QString());
        if (name.isEmpty()) {
            continue;
        }
        const int type = IntAttr(field, "Type", adWChar);
        const int size = PacketDefinedSize(type, IntAttr(field, "DefinedSize", 0));
        const int given = IntAttr(field, "Attributes", adFldUpdatable);
        records->AppendField(name, type, size, (given & adFldUpdatable) ? given : 0);
    }
    // Field elements without a name are no columns: a packet of only those has none.
    if (records->FieldCount() == 0) {
        return nullptr;
    }
    records->Open();
    return records;
}

} // namespace

void PacketFromRecordSet(Recordset& records, xml::Node description, xml::Node destination) {
    if (!records.IsOpen()) {
        return;
    }
    xml::Node root = xml::AppendElement(destination, "BVDataPacket");
    if (description) {
        xml::SetAttr(root, "Name", xml::NodeName(description));
        if (const auto caption = xml::Attr(description, "Caption")) {
            xml::SetAttr(root, "Caption", *caption);
        }
    }
    xml::Node fields = xml::AppendElement(xml::AppendElement(root, "MetaData"), "Fields");
    QVariant bookmark;
    if (!records.IsBOF() && !records.IsEOF() && records.Supports(adBookmark)) {
        bookmark = records.Bookmark();
    }
    WriteFields(records, description, fields, root);
    WriteRows(records, description, xml::AppendElement(root, "RowData"));
    if (bookmark.isValid()) {
        records.SetBookmark(bookmark);
    }
}

RecordsetPtr RecordSetFromPacket(xml::Node packet) {
    if (!packet || QString::fromUtf8(packet.name())
                           .compare(QLatin1String("BVDataPacket"), Qt::CaseInsensitive) != 0) {
        return nullptr;
    }
    const xml::Node fields = FieldsOf(packet);
    if (xml::ChildElements(fields).empty()) {
        return nullptr;
    }
    const bool shaped = IntAttr(packet, "DataShape", 0) != 0;
    RecordsetPtr records;
    if (!shaped) {
        try {
            records = PlainRecordSet(fields);
        } catch (const Error&) {
            return nullptr;
        }
    } else {
        const QString command = ShapeCommandOf(fields);
        if (command.isEmpty()) {
            return std::make_shared<Recordset>();
        }
        try {
            Connection none(QStringLiteral("Provider=MSDataShape;Data Provider=NONE;"));
            records = none.Execute(command);
        } catch (const Error&) {
            // A shape that cannot be built leaves a closed record set without records.
            return std::make_shared<Recordset>();
        }
    }
    if (!records) {
        return nullptr;
    }
    LoadRows(*records, xml::ChildNoCase(packet, QStringLiteral("RowData")), shaped, 0);
    // Loading leaves the last record current; a new record set starts at its first.
    records->MoveFirst();
    return records;
}

void LoadRows(Recordset& records, xml::Node rowData, bool shaped, int parentNumber) {
    const int idColumn = shaped ? records.FieldIndex(QLatin1String(kShapeIdColumn)) : -1;
    int counter = 0;
    // Attribute names repeat on every row: each is matched to its column once.
    QHash<QByteArray, int> columnOf;
    const auto columnFor = [&](const char* name) {
        const QByteArray key(name);
        const auto found = columnOf.constFind(key);
        if (found != columnOf.cend()) {
            return *found;
        }
        const int column = records.FieldIndex(QString::fromUtf8(key));
        columnOf.insert(key, column);
        return column;
    };
    for (const xml::Node row : xml::ChildElements(rowData)) {
        records.AddNew();
        int number = parentNumber;
        if (idColumn >= 0) {
            number = parentNumber >= 1 ? parentNumber : ++counter;
            records.SetValue(idColumn, number);
        }
        for (pugi::xml_attribute a = row.first_attribute(); a; a = a.next_attribute()) {
            const int column = columnFor(a.name());
            if (column < 0 || records.Field(column).type == adChapter) {
                continue;
            }
            const RecordsetField& field = records.Field(column);
            const QVariant value = ValueFromText(QString::fromUtf8(a.value()), field.type);
            try {
                if (IsBinaryType(field.type) && (field.attributes & adFldLong)) {
                    records.AppendChunk(column, value.toByteArray());
                } else {
                    records.SetValue(column, value);
                }
            } catch (const Error&) {
                // One value that does not fit its column does not stop the others.
            }
        }
        if (shaped) {
            // Every nested RowData child fills the chapter it names.
            for (const xml::Node nested : xml::ChildElements(row)) {
                if (QString::fromUtf8(nested.name())
                        .compare(QLatin1String("RowData"), Qt::CaseInsensitive) != 0) {
                    continue;
                }
                const auto name = xml::AttrNoCase(nested, QStringLiteral("Field"));
                const int column = name ? records.FieldIndex(*name) : -1;
                if (column >= 0 && records.Field(column).type == adChapter) {
                    if (RecordsetPtr chapter = records.Chapter(column)) {
                        LoadRows(*chapter, nested, true, number);
                    }
                }
            }
        }
        records.Update();
    }
}

QVariant PacketValue(xml::Node packet, int record, const QString& column,
                     const QString& nestedColumn, int nestedRecord) {
    return PacketIndex(packet).Value(record, column, nestedColumn, nestedRecord);
}

qint64 RecordCount(Recordset& records) {
    return records.IsBOF() && records.IsEOF() ? 0 : records.RecordCount();
}

QString TransAdoToXml(const RecordsetPtr& records, xml::Node description) {
    if (!records || !records->IsOpen()) {
        return {};
    }
    xml::Document doc;
    PacketFromRecordSet(*records, description, doc.Raw());
    return xml::Serialize(doc.Root());
}

QString TransAdoToXml(const RecordsetPtr& records, const QString& description) {
    xml::Document doc;
    const bool given = !description.isEmpty() && doc.LoadXML(description);
    return TransAdoToXml(records, given ? doc.Root() : xml::Node());
}

RecordsetPtr TransXmlToAdo(xml::Node packet) {
    return RecordSetFromPacket(packet);
}

RecordsetPtr TransXmlToAdo(const QString& packet) {
    xml::Document doc;
    if (!doc.LoadXML(packet)) {
        return nullptr;
    }
    return RecordSetFromPacket(doc.Root());
}

} // namespace vevezo
