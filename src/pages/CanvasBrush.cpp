#include "pages/CanvasBrush.h"

namespace vevezo {

void CanvasBrush::SetPattern(const QImage& pattern) {
    brush_.pattern = pattern.copy(0, 0, 8, 8);
    brush_.style = bsPattern;
}

QBrush CanvasBrush::ToQBrush() const {
    switch (brush_.style) {
    case bsSolid:
        return QBrush(ToQColor(brush_.color));
    case bsPattern:
        return brush_.pattern.isNull() ? QBrush() : QBrush(brush_.pattern);
    default:
        return QBrush();
    }
}

} // namespace vevezo
