#pragma once

#include "document/XmlDocument.h"

#include <QMetaType>
#include <QString>
#include <memory>

namespace vevezo {

// An XML element together with the document that keeps it alive, so that it can be held and
// passed around (also inside a QVariant) on its own.
struct XmlData {
    std::shared_ptr<pugi::xml_document> doc;
    xml::Node node;

    explicit operator bool() const { return doc && node; }

    // The first top-level element of a text parsed with white space kept, or nothing.
    static XmlData Parse(const QString& text);
    // A deep copy of a node in a document of its own.
    static XmlData CopyOf(xml::Node node);
};

} // namespace vevezo

Q_DECLARE_METATYPE(vevezo::XmlData)
