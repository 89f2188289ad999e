#include "document/RptText.h"

#include "common/Numbers.h"
#include "document/RptDesigner.h"
#include "document/XmlCons.h"

namespace vevezo {

TRptText::TRptText(TRptDesigner* page) : TRptElement(page) {
    font_ = page ? page->Font() : RptFont::PageFont();
    font_.color = clBlack;
    SetBounds(QRect(0, 0, 100, 20));
}

template <typename T> void TRptText::Update(T& field, const T& value) {
    if (field == value) {
        return;
    }
    field = value;
    emit Changed();
}

void TRptText::SetText(const QString& value) { Update(text_, value); }
void TRptText::SetAlignment(int value) { Update(alignment_, value); }
void TRptText::SetVAlign(int value) { Update(vAlign_, value); }
void TRptText::SetBorder(int value) { Update(border_, value); }
void TRptText::SetBorders(int value) { Update(borders_, value); }
void TRptText::SetBorderColor(TColor value) { Update(borderColor_, value); }
void TRptText::SetBorderColorDark(TColor value) { Update(borderColorDark_, value); }
void TRptText::SetBorderColorLight(TColor value) { Update(borderColorLight_, value); }
void TRptText::SetPadding(int value) { Update(padding_, value); }
void TRptText::SetColor(TColor value) { Update(color_, value); }
void TRptText::SetTransparent(bool value) { Update(transparent_, value); }
void TRptText::SetShadow(bool value) { Update(shadow_, value); }
void TRptText::SetFont(const RptFont& font) { Update(font_, font); }

void TRptText::SetDataType(int value) {
    dataType_ = value;
    readOnly_ = value != 0;
}

void TRptText::WriteXml(xml::Node node) const {
    WriteCommonXml(node);
    xml::SetAttr(node, "Border", static_cast<qint64>(border_) + 1);
    if (borderStyle_ != psSolid) {
        xml::SetAttr(node, "BorderStyle", borderStyle_);
    }
    if (borderWidth_ > 1) {
        xml::SetAttr(node, "BorderWidth", borderWidth_);
    }
    if (ColorToRGB(color_) != clWhite) {
        xml::SetAttr(node, "BgColor", ColorToText(color_));
    }
    xml::SetAttr(node, "BorderColor", ColorToText(borderColor_));
    xml::SetAttr(node, "BorderColorDark", ColorToText(borderColorDark_));
    xml::SetAttr(node, "BorderColorLight", ColorToText(borderColorLight_));
    xml::SetAttr(node, "Padding", padding_);
    if (transparent_) {
        xml::SetBoolAttr(node, "Transparent", true);
    }
    if (borders_ != 0) {
        xml::SetAttr(node, "Borders", borders_);
    }
    if (readOnly_) {
        xml::SetBoolAttr(node, "ReadOnly", true);
    }
    if (alignment_ == taRightJustify) {
        xml::SetAttr(node, "Align", "Right");
    } else if (alignment_ == taCenter) {
        xml::SetAttr(node, "Align", "Center");
    }
    if (vAlign_ == tlTop) {
        xml::SetAttr(node, "VAlign", "Top");
    } else if (vAlign_ == tlBottom) {
        xml::SetAttr(node, "VAlign", "Bottom");
    }
    if (shadow_) {
        xml::SetBoolAttr(node, "Shadow", true);
    }
    if (dataType_ != 0) {
        xml::SetAttr(node, "DataType", dataType_);
    }
    if (!dataSource_.isEmpty()) {
        xml::SetAttr(node, "DataSource", dataSource_);
    }
    if (!dataField_.isEmpty()) {
        xml::SetAttr(node, "DataField", dataField_);
    }
    if (formatType_ != 0) {
        xml::SetAttr(node, "FormatType", formatType_);
        if (formatType_ == 2 && !format_.isEmpty()) {
            xml::SetAttr(node, "Format", format_);
        }
    }
    if (!scriptProc_.isEmpty()) {
        xml::SetAttr(node, "ScriptProc", scriptProc_);
    }
    if (scriptType_ != 0) {
        xml::SetAttr(node, "ScriptType", scriptType_);
    }
    if (!scriptCode_.isEmpty()) {
        xml::SetAttr(node, "ScriptCode", scriptCode_);
    }
    if (IsDefaultFont(font_)) {
        xml::SetText(node, text_);
    } else {
        xml::Node fontNode = xml::AppendElement(node, "Font");
        FontToXml(font_, fontNode);
        xml::SetText(fontNode, text_);
    }
}

namespace {

void ReadColorAttr(xml::Node node, const char* name, TColor& value) {
    if (const auto text = xml::Attr(node, name)) {
        value = ColorFromText(*text);
    }
}

} // namespace

void TRptText::ReadXml(xml::Node node) {
    if (xml::HasAttributes(node)) {
        ReadBoundsXml(node, "Left", "Top", "Width", "Height");
        if (const auto border = xml::Attr(node, "Border")) {
            // Files hold the frame width plus one; the lowest integer must not wrap around.
            border_ = static_cast<int>(qMax<qint64>(0, qint64(StrictInt(*border)) - 1));
        }
        border_ = qMax(0, border_);
        ReadIntAttr(node, "BorderStyle", borderStyle_);
        ReadIntAttr(node, "BorderWidth", borderWidth_);
        ReadColorAttr(node, "BgColor", color_);
        ReadColorAttr(node, "BorderColor", borderColor_);
        ReadColorAttr(node, "BorderColorDark", borderColorDark_);
        ReadColorAttr(node, "BorderColorLight", borderColorLight_);
        ReadIntAttr(node, "Padding", padding_);
        ReadBoolAttr(node, "Transparent", transparent_);
        ReadBoolAttr(node, "ReadOnly", readOnly_);
        ReadBoolAttr(node, "Shadow", shadow_);
        if (const auto borders = xml::Attr(node, "Borders"); borders && !borders->isEmpty()) {
            borders_ = StrictInt(*borders);
        }
        if (const auto align = xml::Attr(node, "Align")) {
            const QString word = align->toLower();
            if (word == QLatin1String("right")) {
                alignment_ = taRightJustify;
            } else if (word == QLatin1String("center")) {
                alignment_ = taCenter;
            }
        }
        if (const auto vAlign = xml::Attr(node, "VAlign")) {
            const QString word = vAlign->toLower();
            if (word == QLatin1String("top")) {
                vAlign_ = tlTop;
            } else if (word == QLatin1String("bottom")) {
                vAlign_ = tlBottom;
            }
        }
        ReadIntAttr(node, "DataType", dataType_);
        dataSource_ = xml::AttrOr(node, "DataSource", dataSource_);
        dataField_ = xml::AttrOr(node, "DataField", dataField_);
        ReadIntAttr(node, "FormatType", formatType_);
        if (formatType_ != 0) {
            format_ = xml::AttrOr(node, "Format", format_);
        }
        scriptProc_ = xml::AttrOr(node, "ScriptProc", scriptProc_);
        if (const auto scriptType = xml::Attr(node, "ScriptType");
            scriptType && !scriptType->isEmpty()) {
            scriptType_ = StrictInt(*scriptType);
        }
        scriptCode_ = xml::AttrOr(node, "ScriptCode", scriptCode_);
    }
    text_ = xml::Text(node);
    if (const xml::Node fontNode = xml::Child(node, "Font")) {
        FontFromXml(font_, fontNode);
    }
    emit Changed();
}

} // namespace vevezo
