// The text operations of the canvas.
#include "pages/Canvas.h"
#include "pages/WrappedText.h"

#include <QFontMetrics>
#include <QPainter>

namespace vevezo {

namespace {

Qt::Alignment HorizontalAlignment(unsigned format) {
    if (format & dtCenter) {
        return Qt::AlignHCenter;
    }
    return (format & dtRight) ? Qt::AlignRight : Qt::AlignLeft;
}

WrappedText Wrap(QPainter& painter, const PixelRect& rect, const QString& text, unsigned format) {
    return WrappedText(text, painter.font(), painter.device(), rect.Width(),
                       (format & dtWordBreak) != 0, HorizontalAlignment(format));
}

} // namespace

void Canvas::SelectFont() {
    painter_.setFont(font_.Value().ToQFont());
    painter_.setPen(ToQColor(font_.Color()));
    painter_.setBrush(QBrush());
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void Canvas::DrawText(const PixelRect& rect, const QString& text, unsigned format) {
    if (text.isEmpty()) {
        return;
    }
    SelectFont();
    const WrappedText wrapped = Wrap(painter_, rect, text, format);
    const QBrush background(ToQColor(textBackground_));
    painter_.save();
    if (!(format & dtNoClip)) {
        painter_.setClipRect(rect.ToQRect(), Qt::IntersectClip);
    }
    wrapped.Draw(painter_, QPoint(rect.left, rect.top), opaqueText_ ? &background : nullptr);
    painter_.restore();
}

int Canvas::MeasureText(const PixelRect& rect, const QString& text, unsigned format) {
    if (text.isEmpty()) {
        return 0;
    }
    SelectFont();
    return Wrap(painter_, rect, text, format).Height();
}

void Canvas::TextOut(int x, int y, const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    SelectFont();
    const QFontMetrics metrics(painter_.font(), painter_.device());
    if (opaqueText_) {
        painter_.fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()),
                          ToQColor(textBackground_));
    }
    painter_.drawText(QPoint(x, y + metrics.ascent()), text);
}

int Canvas::TextWidth(const QString& text) {
    SelectFont();
    return QFontMetrics(painter_.font(), painter_.device()).horizontalAdvance(text);
}

int Canvas::TextHeight(const QString& text) {
    SelectFont();
    Q_UNUSED(text);
    return QFontMetrics(painter_.font(), painter_.device()).height();
}

} // namespace vevezo
