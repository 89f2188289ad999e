#include "pages/ElementText.h"

#include "pages/Canvas.h"

namespace vevezo {

namespace {

unsigned TextFormat(int alignment) {
    unsigned format = dtWordBreak;
    if (alignment == taCenter) {
        format |= dtCenter;
    } else if (alignment == taRightJustify) {
        format |= dtRight;
    }
    return format;
}

// The top of the text: integer halves truncate toward zero.
int TextTop(Canvas& canvas, const PixelRect& rect, const QString& text, unsigned format,
            int vAlign) {
    if (vAlign == tlTop) {
        return rect.top;
    }
    const int height = canvas.MeasureText(rect, text, format);
    if (vAlign == tlCenter) {
        return rect.top + rect.Height() / 2 - height / 2;
    }
    return rect.bottom - height;
}

} // namespace

void DrawElementText(Canvas& canvas, const PixelRect& rect, const QString& text,
                     const TextPlacement& placement) {
    const unsigned format = TextFormat(placement.alignment);
    CanvasStateGuard guard(canvas);
    // Text moved above the rectangle is still cut off at its top.
    canvas.IntersectClip(rect);
    PixelRect textRect = rect;
    textRect.top = TextTop(canvas, rect, text, format, placement.vAlign);

    canvas.SetOpaqueText(placement.greyBackground);
    canvas.SetTextBackground(kBoundTextBackground);
    if (placement.shadow) {
        const TColor color = canvas.Font().Color();
        canvas.Font().SetColor(ColorToRGB(color) == kShadowColor ? clBlack : kShadowColor);
        canvas.DrawText(textRect.Moved(1, 1), text, format);
        canvas.Font().SetColor(color);
    }
    canvas.DrawText(textRect, text, format);
}

} // namespace vevezo
