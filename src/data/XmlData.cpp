#include "data/XmlData.h"

namespace vevezo {

XmlData XmlData::Parse(const QString& text) {
    auto doc = std::make_shared<xml::Document>();
    if (!doc->LoadXML(text) || !doc->Root()) {
        return {};
    }
    // The document object is kept through the pugi document it owns.
    auto owned = std::shared_ptr<pugi::xml_document>(doc, &doc->Raw());
    return XmlData{owned, doc->Root()};
}

XmlData XmlData::CopyOf(xml::Node node) {
    if (!node) {
        return {};
    }
    auto doc = std::make_shared<pugi::xml_document>();
    const xml::Node copy = doc->append_copy(node);
    return XmlData{doc, copy};
}

} // namespace vevezo
