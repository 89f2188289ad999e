#include "document/VerbatimElement.h"

namespace vevezo {

VerbatimElement::VerbatimElement(TRptDesigner* page, const Layout& layout)
    : TRptElement(page), layout_(layout) {
    SetBounds(QRect(0, 0, 200, 100));
}

VerbatimElement::~VerbatimElement() = default;

void VerbatimElement::SetMainFlag(bool value) {
    if (layout_.hasMainFlag) {
        isMain_ = value;
    }
}

void VerbatimElement::ReadXml(xml::Node node) {
    kept_ = std::make_unique<pugi::xml_document>();
    kept_->append_copy(node);
    ReadBoundsXml(node, layout_.left, layout_.top, layout_.width, layout_.height);
    if (layout_.hasMainFlag) {
        ReadBoolAttr(node, "IsMain", isMain_);
    }
}

void VerbatimElement::WriteXml(xml::Node node) const {
    if (kept_) {
        const xml::Node source = kept_->first_child();
        for (pugi::xml_attribute a = source.first_attribute(); a; a = a.next_attribute()) {
            node.append_attribute(a.name()).set_value(a.value());
        }
        for (xml::Node child = source.first_child(); child; child = child.next_sibling()) {
            node.append_copy(child);
        }
    }
    // Name, bounds, docking and main flag are the element's own and may have changed.
    pugi::xml_attribute id = node.attribute("ID");
    if (!id) {
        id = node.prepend_attribute("ID");
    }
    id.set_value(Name().toUtf8().constData());
    xml::SetAttr(node, layout_.left, Left());
    xml::SetAttr(node, layout_.top, Top());
    xml::SetAttr(node, layout_.width, Width());
    xml::SetAttr(node, layout_.height, Height());
    if (Align() != alNone) {
        xml::SetAttr(node, "AlignPos", Align());
    } else {
        xml::RemoveAttr(node, "AlignPos");
    }
    if (layout_.hasMainFlag) {
        if (isMain_) {
            xml::SetBoolAttr(node, "IsMain", true);
        } else {
            xml::RemoveAttr(node, "IsMain");
        }
    }
}

} // namespace vevezo
