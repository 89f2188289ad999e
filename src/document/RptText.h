#pragma once

#include "common/Color.h"
#include "document/RptElement.h"
#include "document/RptFont.h"

namespace vevezo {

enum TAlignment : int { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
enum TTextLayout : int { tlTop = 0, tlCenter = 1, tlBottom = 2 };
enum TPenStyle : int {
    psSolid = 0,
    psDash = 1,
    psDot = 2,
    psDashDot = 3,
    psDashDotDot = 4,
    psClear = 5,
    psInsideFrame = 6
};
// Side lines of the sunken look.
enum TBorderSide : int { bsTop = 1, bsLeft = 2, bsRight = 4, bsBottom = 8 };

// A framed rectangle showing one text: its own caption, a bound value or what a script draws.
class TRptText : public TRptElement {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(int Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(int VAlign READ VAlign WRITE SetVAlign)
    Q_PROPERTY(int Border READ Border WRITE SetBorder)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(int BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(int Borders READ Borders WRITE SetBorders)
    Q_PROPERTY(int BorderColorDark READ BorderColorDark WRITE SetBorderColorDark)
    Q_PROPERTY(int BorderColorLight READ BorderColorLight WRITE SetBorderColorLight)
    Q_PROPERTY(int Padding READ Padding WRITE SetPadding)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool Shadow READ Shadow WRITE SetShadow)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(int DataType READ DataType WRITE SetDataType)
    Q_PROPERTY(QString DataSource READ DataSource WRITE SetDataSource)
    Q_PROPERTY(QString DataField READ DataField WRITE SetDataField)
    Q_PROPERTY(int FormatType READ FormatType WRITE SetFormatType)
    Q_PROPERTY(QString Format READ Format WRITE SetFormat)
    Q_PROPERTY(QString ScriptProc READ ScriptProc WRITE SetScriptProc)
    Q_PROPERTY(QString ScriptCode READ ScriptCode WRITE SetScriptCode)
    Q_PROPERTY(int ScriptType READ ScriptType WRITE SetScriptType)

public:
    explicit TRptText(TRptDesigner* page);

    MotherType ElementType() const override { return mmText; }
    const char* XmlTag() const override { return "div"; }
    void WriteXml(xml::Node node) const override;
    void ReadXml(xml::Node node) override;

    const QString& Text() const { return text_; }
    int Alignment() const { return alignment_; }
    int VAlign() const { return vAlign_; }
    int Border() const { return border_; }
    int BorderStyle() const { return borderStyle_; }
    int BorderWidth() const { return borderWidth_; }
    TColor BorderColor() const { return borderColor_; }
    int Borders() const { return borders_; }
    TColor BorderColorDark() const { return borderColorDark_; }
    TColor BorderColorLight() const { return borderColorLight_; }
    int Padding() const { return padding_; }
    TColor Color() const { return color_; }
    bool Transparent() const { return transparent_; }
    bool Shadow() const { return shadow_; }
    bool ReadOnly() const { return readOnly_; }
    int DataType() const { return dataType_; }
    const QString& DataSource() const { return dataSource_; }
    const QString& DataField() const { return dataField_; }
    int FormatType() const { return formatType_; }
    const QString& Format() const { return format_; }
    const QString& ScriptProc() const { return scriptProc_; }
    const QString& ScriptCode() const { return scriptCode_; }
    int ScriptType() const { return scriptType_; }
    const RptFont& Font() const { return font_; }

    // These repaint when the value changes.
    void SetText(const QString& value);
    void SetAlignment(int value);
    void SetVAlign(int value);
    void SetBorder(int value);
    void SetBorders(int value);
    void SetBorderColor(TColor value);
    void SetBorderColorDark(TColor value);
    void SetBorderColorLight(TColor value);
    void SetPadding(int value);
    void SetColor(TColor value);
    void SetTransparent(bool value);
    void SetShadow(bool value);
    void SetFont(const RptFont& font);
    // These only store.
    void SetBorderStyle(int value) { borderStyle_ = value; }
    void SetBorderWidth(int value) { borderWidth_ = value; }
    void SetReadOnly(bool value) { readOnly_ = value; }
    // Binding makes the element read-only; unbinding makes it editable again.
    void SetDataType(int value);
    void SetDataSource(const QString& value) { dataSource_ = value; }
    void SetDataField(const QString& value) { dataField_ = value; }
    void SetFormatType(int value) { formatType_ = value; }
    void SetFormat(const QString& value) { format_ = value; }
    void SetScriptProc(const QString& value) { scriptProc_ = value; }
    void SetScriptCode(const QString& value) { scriptCode_ = value; }
    void SetScriptType(int value) { scriptType_ = value; }

signals:
    // The element's look changed and views showing it should paint it again.
    void Changed();

private:
    template <typename T> void Update(T& field, const T& value);

    QString text_;
    int alignment_ = taLeftJustify;
    int vAlign_ = tlCenter;
    int border_ = 0;
    int borderStyle_ = psSolid;
    int borderWidth_ = 1;
    TColor borderColor_ = clBlack;
    int borders_ = 0;
    TColor borderColorDark_ = clGray;
    TColor borderColorLight_ = clSilver;
    int padding_ = 1;
    TColor color_ = clWhite;
    bool transparent_ = false;
    bool shadow_ = false;
    bool readOnly_ = false;
    int dataType_ = 0;
    QString dataSource_;
    QString dataField_;
    int formatType_ = 0;
    QString format_;
    QString scriptProc_;
    QString scriptCode_;
    int scriptType_ = 0;
    RptFont font_;
};

} // namespace vevezo
