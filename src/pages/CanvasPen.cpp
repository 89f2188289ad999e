#include "pages/CanvasPen.h"

namespace vevezo {

namespace {

Qt::PenStyle QtPenStyle(int style) {
    switch (style) {
    case psDash:
        return Qt::DashLine;
    case psDot:
        return Qt::DotLine;
    case psDashDot:
        return Qt::DashDotLine;
    case psDashDotDot:
        return Qt::DashDotDotLine;
    case psClear:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

} // namespace

QPen CanvasPen::ToQPen() const {
    QPen pen(ToQColor(pen_.color));
    pen.setStyle(QtPenStyle(pen_.style));
    pen.setWidth(pen_.width);
    pen.setCosmetic(pen_.width == 0);
    // Flat ends leave a line's end point undrawn, so that joined lines meet without overlap.
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

QPainter::CompositionMode CanvasPen::CompositionMode() const {
    switch (pen_.mode) {
    case pmXor:
        return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor:
        return QPainter::RasterOp_NotSourceXorDestination;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

} // namespace vevezo
