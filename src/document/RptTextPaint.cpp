// How a text element paints itself on the design surface and draws itself onto pages.
#include "common/Numbers.h"
#include "common/ValueText.h"
#include "common/VariantType.h"
#include "document/RptDesigner.h"
#include "document/RptText.h"
#include "pages/Canvas.h"
#include "pages/ElementFrame.h"
#include "pages/ElementText.h"

namespace vevezo {

namespace {

// A design length on the device, rounded; unchanged at scale 1.
int Scaled(int value, double scale) {
    return scale == 1.0 ? value : RoundToInt(static_cast<double>(value) * scale);
}

} // namespace

ValueBinding TRptText::Binding() const {
    return {dataType_, dataSource_, dataField_, formatType_, format_};
}

void TRptText::SelectTools(Canvas& canvas) const {
    canvas.Font().Assign(font_);
    canvas.Pen().SetWidth(1);
    canvas.Brush().SetColor(color_);
    canvas.Brush().SetStyle(bsSolid);
}

FrameStyle TRptText::Frame() const {
    return {borderColor_, borderStyle_, borderWidth_};
}

std::optional<ElementScript> TRptText::SelectedScript(const TRptDesigner* page) const {
    return SelectElementScript(scriptProc_, scriptType_, scriptCode_, page);
}

std::optional<QString> TRptText::RunScript(const ElementScript& script, const QVariant& value,
                                           Canvas& canvas, const PixelRect& rect, double sx,
                                           double sy, TRptDesigner* page) {
    ScriptedDrawRequest request;
    request.script = script;
    request.value = value;
    request.binding = Binding();
    request.rect = rect;
    request.canvas = &canvas;
    request.scaleX = sx;
    request.scaleY = sy;
    request.element = this;
    request.page = page;
    request.provider = page ? page->Provider() : nullptr;
    request.pageInfo = page;
    const ScriptedDrawResult result = ScriptedDraw(request);
    lastScriptErrors_ = result.errors;
    if (result.breakDrawing) {
        return std::nullopt;
    }
    if (!result.errors.isEmpty()) {
        return ScriptErrorText(result.errors);
    }
    return ValueText(result.value.value_or(value));
}

void TRptText::DrawValue(Canvas& canvas, const PixelRect& rect, const QString& text,
                         bool greyBackground) const {
    if (!text.isEmpty()) {
        DrawElementText(canvas, rect, text, {alignment_, vAlign_, greyBackground, shadow_});
    }
}

void TRptText::PaintOnSurface(Canvas& canvas) {
    lastScriptErrors_.clear();
    CanvasStateGuard guard(canvas);
    TRptDesigner* page = Page();
    PixelRect r = PixelRect{0, 0, Width(), Height()}.Shrunk(1, 1);
    SelectTools(canvas);
    canvas.SetOpaqueText(!transparent_);
    if (!transparent_) {
        canvas.Brush().SetColor(clWhite);
        canvas.FillRect(r);
        canvas.Brush().SetColor(color_);
    }
    if (border_ > 0) {
        // The outline keeps inside the element's right and bottom edges.
        DrawFrame(canvas, {r.left, r.top, r.right - 1, r.bottom - 1}, Frame());
        r = r.Shrunk(border_, border_);
    }
    if (!transparent_) {
        canvas.FillRect(r);
    }
    DrawSideLines(canvas, r, borders_, borderColorDark_, borderColorLight_);

    QVariant value = text_;
    if (dataType_ != rdtNone) {
        value = BindingPlaceholder(dataType_, dataField_);
        if (page && !page->ShowSource()) {
            const QVariant data =
                page->GetRptSourceData(this, mmText, dataType_, dataSource_, dataField_,
                                       formatType_, format_, page->PreviewRow(), 0);
            if (!IsEmpty(data)) {
                value = data;
            }
        }
    }
    r = r.Shrunk(padding_ + 1, padding_ + 1);

    std::optional<QString> shown = ValueText(value);
    if (const auto script = SelectedScript(page)) {
        shown = page && page->ShowSource() ? std::optional<QString>(script->text)
                                           : RunScript(*script, value, canvas, r, 1.0, 1.0, page);
    }
    if (shown) {
        DrawValue(canvas, r, *shown, dataType_ != rdtNone);
    }
}

void TRptText::RenderOnPage(Canvas& canvas, int record, TRptDesigner* page,
                            const ValueLookup& lookup, double sx, double sy, int ox, int oy) {
    lastScriptErrors_.clear();
    // The +1 is the page's frame.
    const int x = Scaled(Left() + ox + 1, sx);
    const int y = Scaled(Top() + oy + 1, sy);
    PixelRect r = PixelRect{0, 0, Scaled(Width(), sx), Scaled(Height(), sy)}.Moved(x, y);

    CanvasStateGuard guard(canvas);
    SelectTools(canvas);
    if (sy != 1.0 && page) {
        RptFont font = canvas.Font().Value();
        page->AdjustFontToDevice(font, canvas.Device());
        canvas.Font().Assign(font);
    }
    if (border_ > 0) {
        DrawFrame(canvas, r, Frame());
        r = r.Shrunk(Scaled(border_, sx), Scaled(border_, sy));
    }
    // Pages are white already.
    if (!transparent_ && ColorToRGB(color_) != clWhite) {
        canvas.FillRect(r);
    }
    DrawSideLines(canvas, r, borders_, borderColorDark_, borderColorLight_);
    r = r.Shrunk(Scaled(padding_ + 1, sx), Scaled(padding_ + 1, sy));

    QVariant value = text_;
    if (dataType_ != rdtNone && lookup) {
        value = lookup(this, mmText, Binding(), record, 0);
    }
    std::optional<QString> shown = ValueText(value);
    if (const auto script = SelectedScript(page)) {
        shown = RunScript(*script, value, canvas, r, sx, sy, page);
    }
    if (shown) {
        DrawValue(canvas, r, *shown, false);
    }
}

} // namespace vevezo
