#pragma once

#include "document/XmlDocument.h"

#include <QString>

namespace vevezo {

// A packet column's defined size: long text and long binary columns written without one hold
// any length.
int PacketDefinedSize(int type, int size);

// The shaping command that rebuilds the columns of a packet's Fields element as hand-made shaped
// records: an internal id column, the columns in order, and one nested command per chapter
// column (every chapter, not only the last, so that no nested records are lost). Empty when the
// element lists no columns, or nests chapters deeper than shaping commands may.
QString ShapeCommandOf(xml::Node fields, const QString& relation = {}, int depth = 0);

} // namespace vevezo
