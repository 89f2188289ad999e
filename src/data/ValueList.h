#pragma once

#include "document/XmlDocument.h"

#include <QVariant>

namespace vevezo {

// Shows a value through a column's value list (its DataList element): a keyed list
// (List="1": entries <r k="key" v="text" i="index"/>) or attributes named "k" + value. A value
// without an entry shows by OutIndex: -2 its own text, an index the text of that entry,
// anything else nothing. An empty value, or no list, leaves the value as it is.
QVariant ApplyValueList(xml::Node list, const QVariant& value);

} // namespace vevezo
