#pragma once

#include "data/Recordset.h"
#include "document/XmlDocument.h"

#include <QString>

namespace vevezo {

// The field description of a packet: an element named after the data set ("BVDataPacket" when
// the packet has no Name) holding one element per column that has a caption, with its caption,
// alignment, format, type, size, value list and, for shaped packets, nested columns. Empty for
// anything but an exact BVDataPacket with MetaData/Fields, or a DataShape that is no integer.
QString DescriptionFromPacket(xml::Node packet);

// The field description of a record set: one element per column with its type; the first
// chapter met is described by its nested columns, later ones only by their type.
QString DescriptionFromRecordSet(Recordset& records, const QString& name);

} // namespace vevezo
