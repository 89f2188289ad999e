#pragma once

#include "document/XmlDocument.h"

#include <QHash>
#include <QVariant>
#include <unordered_map>
#include <vector>

namespace vevezo {

// The records of a data packet indexed once, so that the value of any record is found in
// constant time: the same answers as walking the packet for every request.
class PacketIndex {
public:
    explicit PacketIndex(xml::Node packet);

    // Whether the packet has MetaData/Fields and RowData.
    bool Valid() const { return valid_; }
    int RecordCount() const { return static_cast<int>(rows_.size()); }
    // Record r (from 0), or a null node.
    xml::Node Record(int record) const;

    // The value of a column of record `record`, or of column `nestedColumn` of nested record
    // `nestedRecord` of it, typed by the packet's field list; empty when there is none.
    QVariant Value(int record, const QString& column, const QString& nestedColumn = {},
                   int nestedRecord = -1) const;

private:
    // The values of one column in every record (empty where a record has none), gathered on
    // the first request for the column.
    const std::vector<QVariant>& ColumnOf(const QString& column) const;
    int TypeOf(const QString& column, const QString& nestedColumn) const;
    const std::vector<xml::Node>& NestedRows(int record) const;

    bool valid_ = false;
    xml::Node fields_;
    std::vector<xml::Node> rows_;
    mutable QHash<QString, int> types_;
    mutable QHash<QString, std::vector<QVariant>> columns_;
    mutable std::unordered_map<int, std::vector<xml::Node>> nested_;
};

} // namespace vevezo
