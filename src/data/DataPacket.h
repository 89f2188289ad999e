#pragma once

#include "data/Recordset.h"
#include "document/XmlDocument.h"

#include <QVariant>

namespace vevezo {

// The internal column relating hand-made shaped records; never written to packets.
inline constexpr const char* kShapeIdColumn = "_Temp_DataShape_ID_";

// Appends a BVDataPacket element holding the record set's columns and records to the
// destination. With a field description, only the columns it lists are written, with their
// captions, formats and value lists. The record set's position is kept. A closed record set
// appends nothing.
void PacketFromRecordSet(Recordset& records, xml::Node description, xml::Node destination);

// Builds a record set from a BVDataPacket element (letter case ignored): plain, or shaped with
// the nested records of every chapter kept with their holders. Nothing when the element is not
// a packet with columns or its columns cannot be made. Throws ConvertError when DataShape is not
// an integer.
RecordsetPtr RecordSetFromPacket(xml::Node packet);

// Adds one record per child of a RowData element; shaped records also load their nested
// RowData children into the chapters they name.
void LoadRows(Recordset& records, xml::Node rowData, bool shaped, int parentNumber);

// The value of a column of record `record` (from 0), or of column `nestedColumn` of nested
// record `nestedRecord` of it, typed by the packet's field list. Empty when there is no such
// record, column or value.
QVariant PacketValue(xml::Node packet, int record, const QString& column,
                     const QString& nestedColumn = {}, int nestedRecord = -1);

// The number of records (0 for an empty record set).
qint64 RecordCount(Recordset& records);

// The packet text of a record set (a fresh document holding the packet), with an optional
// field description given as XML text or node. Empty text for a missing or closed record set.
QString TransAdoToXml(const RecordsetPtr& records, const QString& description);
QString TransAdoToXml(const RecordsetPtr& records, xml::Node description);
// The record set of a packet given as text or node; nothing when it is not a packet.
RecordsetPtr TransXmlToAdo(const QString& packet);
RecordsetPtr TransXmlToAdo(xml::Node packet);

} // namespace vevezo
