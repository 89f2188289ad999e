#include "data/PacketIndex.h"

#include "common/Numbers.h"
#include "data/AdoTypes.h"
#include "data/PacketText.h"

namespace vevezo {

PacketIndex::PacketIndex(xml::Node packet) {
    fields_ = xml::ChildPath(packet, "MetaData/Fields");
    const xml::Node rowData = xml::Child(packet, "RowData");
    valid_ = fields_ && rowData;
    if (valid_) {
        rows_ = xml::ChildElements(rowData);
    }
}

xml::Node PacketIndex::Record(int record) const {
    return record >= 0 && record < RecordCount() ? rows_[static_cast<size_t>(record)] : xml::Node();
}

int PacketIndex::TypeOf(const QString& column, const QString& nestedColumn) const {
    const QString key = column.toLower() + QChar(0x1F) + nestedColumn.toLower();
    const auto found = types_.constFind(key);
    if (found != types_.cend()) {
        return *found;
    }
    xml::Node field = xml::ChildWithAttrNoCase(fields_, "Field", "Name", column);
    if (!nestedColumn.isEmpty()) {
        field =
            xml::ChildWithAttrNoCase(xml::Child(field, "Fields"), "Field", "Name", nestedColumn);
    }
    const QString text = xml::AttrOr(field, "Type");
    const int type = text.isEmpty() ? adVarWChar : TryStrictInt(text).value_or(0);
    types_.insert(key, type);
    return type;
}

const std::vector<xml::Node>& PacketIndex::NestedRows(int record) const {
    auto found = nested_.find(record);
    if (found == nested_.end()) {
        found = nested_.emplace(record, xml::ChildElements(xml::Child(Record(record), "RowData")))
                    .first;
    }
    return found->second;
}

const std::vector<QVariant>& PacketIndex::ColumnOf(const QString& column) const {
    auto found = columns_.find(column);
    if (found == columns_.end()) {
        const int type = TypeOf(column, QString());
        std::vector<QVariant> values;
        values.reserve(rows_.size());
        for (const xml::Node row : rows_) {
            const pugi::xml_attribute text = xml::AttributeNoCase(row, column);
            values.push_back(text ? ValueFromText(QString::fromUtf8(text.value()), type)
                                  : QVariant());
        }
        found = columns_.insert(column, std::move(values));
    }
    return *found;
}

QVariant PacketIndex::Value(int record, const QString& column, const QString& nestedColumn,
                            int nestedRecord) const {
    if (!valid_ || !Record(record)) {
        return {};
    }
    const bool nested = !nestedColumn.isEmpty() && nestedRecord >= 0;
    if (!nested) {
        return ColumnOf(column)[static_cast<size_t>(record)];
    }
    const std::vector<xml::Node>& rows = NestedRows(record);
    if (nestedRecord >= static_cast<int>(rows.size())) {
        return {};
    }
    const auto text = xml::AttrNoCase(rows[static_cast<size_t>(nestedRecord)], nestedColumn);
    return text ? ValueFromText(*text, TypeOf(column, nestedColumn)) : QVariant();
}

} // namespace vevezo
