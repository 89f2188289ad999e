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
    return record >= 0 && record < RecordCount() ? rows_[static_cast<size_t>(record)]
                                                 : xml::Node();
}

int PacketIndex::TypeOf(const QString& column, const QString& nestedColumn) const {
    const QString key = column.toLower() + QChar(0x1F) + nestedColumn.toLower();
    const auto found = types_.constFind(key);
    if (found != types_.cend()) {
        return *found;
    }
    xml::Node field = xml::ChildWithAttrNoCase(fields_, "Field", "Name", column);
    if (!nestedColumn.isEmpty()) {
        field = xml::ChildWithAttrNoCase(xml::Child(field, "Fields"), "Field", "Name",
                                         nestedColumn);
    }
    const QString text = xml::AttrOr(field, "Type");
    const int type = text.isEmpty() ? adVarWChar : TryStrictInt(text).value_or(0);
    types_.insert(key, type);
    return type;
}

const std::vector<xml::Node>& PacketIndex::NestedRows(int record) const {
    auto found = nested_.find(record);
    if (found == nested_.end()) {
        found = nested_
                    .emplace(record, xml::ChildElements(xml::Child(Record(record), "RowData")))
                    .first;
    }
    return found->second;
}

QVariant PacketIndex::Value(int record, const QString& column, const QString& nestedColumn,
                            int nestedRecord) const {
    xml::Node row = Record(record);
    if (!valid_ || !row) {
        return {};
    }
    const bool nested = !nestedColumn.isEmpty() && nestedRecord >= 0;
    if (nested) {
        const std::vector<xml::Node>& rows = NestedRows(record);
        if (nestedRecord >= static_cast<int>(rows.size())) {
            return {};
        }
        row = rows[static_cast<size_t>(nestedRecord)];
    }
    const QString& name = nested ? nestedColumn : column;
    const auto text = xml::AttrNoCase(row, name);
    if (!text) {
        return {};
    }
    return ValueFromText(*text, TypeOf(column, nested ? nestedColumn : QString()));
}

} // namespace vevezo
