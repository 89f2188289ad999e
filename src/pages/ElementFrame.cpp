#include "pages/ElementFrame.h"

#include "pages/Canvas.h"

namespace vevezo {

void DrawFrame(Canvas& canvas, const PixelRect& rect, const FrameStyle& style) {
    PixelRect r = rect;
    if (style.width > 1) {
        r = r.Shrunk(style.width / 2, style.width / 2);
    }
    canvas.Pen().Assign({style.color, style.penStyle, style.width, pmCopy});
    canvas.Polyline({QPoint(r.left, r.top), QPoint(r.right, r.top), QPoint(r.right, r.bottom),
                     QPoint(r.left, r.bottom), QPoint(r.left, r.top)});
}

namespace {

void SideLine(Canvas& canvas, QPoint from, QPoint to, TColor color) {
    canvas.Pen().Assign({color, psSolid, 1, pmCopy});
    canvas.MoveTo(from.x(), from.y());
    canvas.LineTo(to.x(), to.y());
}

} // namespace

void DrawSideLines(Canvas& canvas, const PixelRect& rect, int sides, TColor dark, TColor light) {
    const QPoint leftTop(rect.left, rect.top);
    const QPoint rightTop(rect.right, rect.top);
    const QPoint leftBottom(rect.left, rect.bottom);
    const QPoint rightBottom(rect.right, rect.bottom);
    if (sides & bsTop) {
        SideLine(canvas, leftTop, rightTop, dark);
    }
    if (sides & bsLeft) {
        SideLine(canvas, leftTop, leftBottom, dark);
    }
    if (sides & bsRight) {
        SideLine(canvas, rightTop, rightBottom, light);
    }
    if (sides & bsBottom) {
        SideLine(canvas, leftBottom, rightBottom, light);
    }
}

} // namespace vevezo
