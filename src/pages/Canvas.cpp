#include "pages/Canvas.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPicture>

namespace vevezo {

Canvas::Canvas(QPainter& painter) : painter_(painter) {}

Canvas::~Canvas() {
    while (!saved_.empty()) {
        Restore();
    }
}

// --- device
// ----------------------------------------------------------------------------------------

QPaintDevice* Canvas::Device() const {
    return painter_.device();
}

int Canvas::PixelsPerInchX() const {
    return Device() ? Device()->logicalDpiX() : 0;
}

int Canvas::PixelsPerInchY() const {
    return Device() ? Device()->logicalDpiY() : 0;
}

bool Canvas::IsPrinter() const {
    if (printerOverride_ >= 0) {
        return printerOverride_ == 1;
    }
    return Device() && Device()->devType() == QInternal::Printer;
}

// --- state
// -----------------------------------------------------------------------------------------

void Canvas::Save() {
    saved_.push_back({font_.Value(), pen_.Value(), brush_.Value(), opaqueText_, textBackground_});
    // The painter keeps the clip region.
    painter_.save();
}

void Canvas::Restore() {
    if (saved_.empty()) {
        return;
    }
    const SavedState& state = saved_.back();
    font_.Assign(state.font);
    pen_.Assign(state.pen);
    brush_.Assign(state.brush);
    opaqueText_ = state.opaqueText;
    textBackground_ = state.textBackground;
    saved_.pop_back();
    painter_.restore();
}

void Canvas::IntersectClip(const PixelRect& rect) {
    painter_.setClipRect(rect.ToQRect(), Qt::IntersectClip);
}

void Canvas::SelectTools(bool withPen, bool withBrush) {
    painter_.setPen(withPen ? pen_.ToQPen() : QPen(Qt::NoPen));
    painter_.setBrush(withBrush ? brush_.ToQBrush() : QBrush());
    painter_.setCompositionMode(pen_.CompositionMode());
}

// --- shapes
// ----------------------------------------------------------------------------------------

void Canvas::FillRect(const PixelRect& rect) {
    if (rect.IsEmpty()) {
        return;
    }
    SelectTools(false, true);
    painter_.fillRect(rect.ToQRect(), brush_.ToQBrush());
}

void Canvas::Rectangle(const PixelRect& rect) {
    if (rect.IsEmpty()) {
        return;
    }
    SelectTools(true, true);
    if (pen_.Style() == psClear) {
        painter_.drawRect(rect.ToQRect());
    } else {
        // A stroked rectangle covers its size plus the pen: one pixel less on each axis makes
        // the outline end on right - 1 and bottom - 1.
        painter_.drawRect(QRect(rect.left, rect.top, rect.Width() - 1, rect.Height() - 1));
    }
}

void Canvas::InvertRect(const PixelRect& rect) {
    if (rect.IsEmpty()) {
        return;
    }
    painter_.save();
    painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter_.fillRect(rect.ToQRect(), Qt::black);
    painter_.restore();
}

void Canvas::LineTo(int x, int y) {
    const QPoint to(x, y);
    if (to != penPos_) {
        SelectTools(true, false);
        painter_.drawLine(penPos_, to);
    }
    penPos_ = to;
}

void Canvas::Polyline(const QList<QPoint>& points) {
    if (points.size() < 2) {
        return;
    }
    SelectTools(true, false);
    if (points.size() > 2 && points.front() == points.back()) {
        // One closed outline, so that wide pens join at every corner.
        painter_.drawPolygon(points.constData(), static_cast<int>(points.size() - 1));
    } else {
        painter_.drawPolyline(points.constData(), static_cast<int>(points.size()));
    }
    penPos_ = points.back();
}

void Canvas::SetPixel(int x, int y, TColor color) {
    painter_.fillRect(QRect(x, y, 1, 1), ToQColor(color));
}

// --- pictures
// --------------------------------------------------------------------------------------

void Canvas::StretchDraw(const PixelRect& rect, const QImage& image) {
    if (rect.IsEmpty() || image.isNull()) {
        return;
    }
    painter_.drawImage(rect.ToQRect(), image);
}

void Canvas::StretchDraw(const PixelRect& rect, const QPicture& picture) {
    const QRect source = picture.boundingRect();
    if (rect.IsEmpty() || source.isEmpty()) {
        return;
    }
    painter_.save();
    painter_.translate(rect.left, rect.top);
    painter_.scale(static_cast<double>(rect.Width()) / source.width(),
                   static_cast<double>(rect.Height()) / source.height());
    painter_.translate(-source.left(), -source.top());
    painter_.drawPicture(0, 0, picture);
    painter_.restore();
}

void Canvas::Draw(int x, int y, const QImage& image) {
    if (!image.isNull()) {
        painter_.drawImage(QPoint(x, y), image);
    }
}

} // namespace vevezo
