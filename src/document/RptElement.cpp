#include "document/RptElement.h"

#include "common/Numbers.h"
#include "document/RptDesigner.h"

namespace vevezo {

TRptElement::TRptElement(TRptDesigner* page) : QObject(page), page_(page) {}

void TRptElement::SetBounds(const QRect& bounds) {
    if (bounds == bounds_) {
        return;
    }
    bounds_ = bounds;
    if (align_ != alNone && page_) {
        page_->AlignElements();
    }
}

void TRptElement::SetAlign(int align) {
    if (align < alNone || align > alClient || align == align_) {
        return;
    }
    align_ = align;
    if (page_) {
        page_->AlignElements();
    }
}

void TRptElement::MarkDirty() {
    if (page_) {
        page_->SetDirty(true);
    }
}

void TRptElement::WriteCommonXml(xml::Node node) const {
    xml::SetAttr(node, "ID", Name());
    xml::SetAttr(node, "Left", Left());
    xml::SetAttr(node, "Top", Top());
    xml::SetAttr(node, "Width", Width());
    xml::SetAttr(node, "Height", Height());
    if (align_ != alNone) {
        xml::SetAttr(node, "AlignPos", align_);
    }
}

void TRptElement::ReadBoundsXml(xml::Node node, const char* left, const char* top,
                                const char* width, const char* height) {
    int x = 0;
    int y = 0;
    int w = Width();
    int h = Height();
    ReadIntAttr(node, left, x);
    ReadIntAttr(node, top, y);
    ReadIntAttr(node, width, w);
    ReadIntAttr(node, height, h);
    SetBounds(QRect(x, y, w, h));
    int align = align_;
    ReadIntAttr(node, "AlignPos", align);
    SetAlign(align);
}

void ReadIntAttr(xml::Node node, const char* name, int& value) {
    if (const auto text = xml::Attr(node, name)) {
        value = StrictInt(*text);
    }
}

int IntAttrOr(xml::Node node, const char* name, int fallback) {
    const auto text = xml::Attr(node, name);
    return text ? TryStrictInt(*text).value_or(fallback) : fallback;
}

void ReadBoolAttr(xml::Node node, const char* name, bool& value) {
    if (const auto text = xml::Attr(node, name)) {
        value = StrictInt(*text) != 0;
    }
}

} // namespace vevezo
