#pragma once

#include "common/Color.h"
#include "document/RptElement.h"
#include "document/ElementVerb.h"
#include "document/RptFont.h"
#include "document/ScriptedDraw.h"
#include "document/ValueBinding.h"
#include "pages/CanvasTypes.h"

#include <QList>

namespace vevezo {

class Canvas;
struct FrameStyle;

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
    ValueBinding Binding() const;

    // --- painting (RptTextPaint.cpp) -----------------------------------------------------------
    // Paints the element on the design surface; the canvas's origin is the element's top left.
    void PaintOnSurface(Canvas& canvas);
    // Draws the element for a record onto a page canvas, scaled by (sx, sy) and placed at the
    // page offsets (ox, oy) in design pixels. Without a lookup bound elements show their Text.
    void RenderOnPage(Canvas& canvas, int record, TRptDesigner* page, const ValueLookup& lookup,
                      double sx, double sy, int ox, int oy);
    void Render(Canvas& canvas, const PageRendering& r) override {
        RenderOnPage(canvas, r.record, r.page, r.lookup, r.scaleX, r.scaleY, r.offsetX, r.offsetY);
    }
    // What the last script run reported; empty when it reported nothing or no script ran.
    const QString& LastScriptErrors() const { return lastScriptErrors_; }

    // --- designer verbs (RptTextVerbs.cpp) -----------------------------------------------------
    QList<ElementVerb> Verbs() const;
    // Applies a verb; every call marks the page's design changed.
    void VerbAction(int verb, int subVerb, const QVariant& value);
    // The current setting a verb changes; empty for verbs the element does not know.
    QVariant VerbActionValue(int verb, int subVerb) const;

signals:
    // The element's look changed and views showing it should paint it again.
    void Changed();

private:
    template <typename T> void Update(T& field, const T& value);
    // Selects the element's font, a one-pixel pen and a brush of the element's colour.
    void SelectTools(Canvas& canvas) const;
    FrameStyle Frame() const;
    std::optional<ElementScript> SelectedScript(const TRptDesigner* page) const;
    // Runs the element's script and answers the text to draw, or nothing when the script drew
    // the element itself.
    std::optional<QString> RunScript(const ElementScript& script, const QVariant& value,
                                     Canvas& canvas, const PixelRect& rect, double sx, double sy,
                                     TRptDesigner* page);
    void DrawValue(Canvas& canvas, const PixelRect& rect, const QString& text,
                   bool greyBackground) const;

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
    QString lastScriptErrors_;
};

} // namespace vevezo
