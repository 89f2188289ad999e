#pragma once

#include "document/XmlDocument.h"

#include <QString>

namespace vevezo {

// Parses the XML text and appends a deep copy of its first node to the node; false (nothing
// appended) when the text does not parse or the node is null.
bool AppendXmlText(xml::Node node, const QString& xmlText);

} // namespace vevezo
