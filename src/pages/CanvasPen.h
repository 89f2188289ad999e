#pragma once

#include "common/Color.h"
#include "pages/CanvasTypes.h"

#include <QObject>
#include <QPainter>
#include <QPen>

namespace vevezo {

// What a pen is made of; kept apart from the object so that the canvas can save and restore it.
struct PenValues {
    TColor color = clBlack;
    int style = psSolid;
    int width = 1;
    int mode = pmCopy;

    bool operator==(const PenValues&) const = default;
};

// The canvas's current pen, with the names scripts use.
class CanvasPen : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(int Style READ Style WRITE SetStyle)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Mode READ Mode WRITE SetMode)

public:
    const PenValues& Value() const { return pen_; }
    void Assign(const PenValues& pen) { pen_ = pen; }

    TColor Color() const { return pen_.color; }
    void SetColor(TColor color) { pen_.color = color; }
    int Style() const { return pen_.style; }
    void SetStyle(int style) { pen_.style = style; }
    int Width() const { return pen_.width; }
    // Widths below 1 draw one device pixel wide.
    void SetWidth(int width) { pen_.width = width < 0 ? 0 : width; }
    int Mode() const { return pen_.mode; }
    void SetMode(int mode) { pen_.mode = mode; }

    // A pen of the style at every width, so wide dashed lines stay dashed. Width 0 is one
    // device pixel at any scale; other widths scale with the painter.
    QPen ToQPen() const;
    QPainter::CompositionMode CompositionMode() const;

private:
    PenValues pen_;
};

} // namespace vevezo
