#pragma once

#include "common/Color.h"
#include "pages/CanvasTypes.h"

#include <QBrush>
#include <QImage>
#include <QObject>

namespace vevezo {

// What a brush is made of; kept apart from the object so that the canvas can save and restore it.
struct BrushValues {
    TColor color = clWhite;
    int style = bsSolid;
    QImage pattern; // the 8 x 8 picture of a pattern brush

    bool operator==(const BrushValues&) const = default;
};

// The canvas's current brush, with the names scripts use.
class CanvasBrush : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(int Style READ Style WRITE SetStyle)

public:
    const BrushValues& Value() const { return brush_; }
    void Assign(const BrushValues& brush) { brush_ = brush; }

    TColor Color() const { return brush_.color; }
    void SetColor(TColor color) { brush_.color = color; }
    int Style() const { return brush_.style; }
    void SetStyle(int style) { brush_.style = style; }
    // Makes the brush repeat the picture (its top-left 8 x 8 pixels).
    void SetPattern(const QImage& pattern);

    // No brush when clear, and for a pattern style without a picture.
    QBrush ToQBrush() const;

private:
    BrushValues brush_;
};

} // namespace vevezo
