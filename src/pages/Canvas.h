#pragma once

#include "pages/CanvasBrush.h"
#include "pages/CanvasFont.h"
#include "pages/CanvasPen.h"
#include "pages/PixelRect.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <vector>

class QImage;
class QPainter;
class QPaintDevice;
class QPicture;

namespace vevezo {

// Drawing onto a page, the screen or a printer: a thin layer over a QPainter that keeps a current
// font, pen and brush. Coordinates are integer device pixels, origin top left, y downwards;
// rectangles exclude their right and bottom edges. Font heights are given to Qt in pixels, as the
// font says, never through the device's own point conversion.
class Canvas {
public:
    // The painter must be active and outlive the canvas.
    explicit Canvas(QPainter& painter);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    CanvasFont& Font() { return font_; }
    CanvasPen& Pen() { return pen_; }
    CanvasBrush& Brush() { return brush_; }
    QPainter& Painter() { return painter_; }

    // --- device ------------------------------------------------------------------------------
    QPaintDevice* Device() const;
    int PixelsPerInchX() const;
    int PixelsPerInchY() const;
    // Printers report themselves; a host printing through another device may say so.
    bool IsPrinter() const;
    void SetIsPrinter(bool value) { printerOverride_ = value ? 1 : 0; }

    // --- state ---------------------------------------------------------------------------------
    // Saves font, pen, brush, text background and clip; Restore brings back the last saved.
    void Save();
    void Restore();
    // Narrows the clip region to the rectangle.
    void IntersectClip(const PixelRect& rect);

    // Text is drawn on a filled background when opaque, on what is there when transparent.
    bool OpaqueText() const { return opaqueText_; }
    void SetOpaqueText(bool opaque) { opaqueText_ = opaque; }
    TColor TextBackground() const { return textBackground_; }
    void SetTextBackground(TColor color) { textBackground_ = color; }

    // --- shapes --------------------------------------------------------------------------------
    // Fills the rectangle with the brush.
    void FillRect(const PixelRect& rect);
    // Outlines left .. right - 1, top .. bottom - 1 with the pen and fills the inside with the
    // brush.
    void Rectangle(const PixelRect& rect);
    // Inverts every pixel of the rectangle.
    void InvertRect(const PixelRect& rect);
    QPoint PenPos() const { return penPos_; }
    void MoveTo(int x, int y) { penPos_ = QPoint(x, y); }
    // Draws from the pen position up to, not including, the point, and moves the pen there.
    void LineTo(int x, int y);
    // Connected lines; a list ending on its first point is drawn as one closed outline.
    void Polyline(const QList<QPoint>& points);
    void SetPixel(int x, int y, TColor color);

    // --- text ------------------------------------------------------------------------------------
    // Draws the text in the rectangle with the font's colour: lines broken at line breaks (and
    // between words with dtWordBreak), tabs expanded to four average characters, aligned by
    // dtCenter or dtRight, clipped to the rectangle unless dtNoClip.
    void DrawText(const PixelRect& rect, const QString& text, unsigned format);
    // The height the text needs when drawn into a rectangle of that width.
    int MeasureText(const PixelRect& rect, const QString& text, unsigned format);
    // Draws one line of text with its top-left corner at the point.
    void TextOut(int x, int y, const QString& text);
    int TextWidth(const QString& text);
    // The height of a line of the font, whatever the text.
    int TextHeight(const QString& text);

    // --- pictures --------------------------------------------------------------------------------
    // Scales the picture into the rectangle.
    void StretchDraw(const PixelRect& rect, const QImage& image);
    // Scales a recording (its bounding rectangle) into the rectangle.
    void StretchDraw(const PixelRect& rect, const QPicture& picture);
    // Draws the picture at its own size.
    void Draw(int x, int y, const QImage& image);

private:
    struct SavedState {
        RptFont font;
        PenValues pen;
        BrushValues brush;
        bool opaqueText;
        TColor textBackground;
    };

    // Hands the current pen (or none) and brush (or none) to the painter.
    void SelectTools(bool withPen, bool withBrush);
    void SelectFont();

    QPainter& painter_;
    CanvasFont font_;
    CanvasPen pen_;
    CanvasBrush brush_;
    QPoint penPos_;
    bool opaqueText_ = true;
    TColor textBackground_ = clWhite;
    int printerOverride_ = -1;
    std::vector<SavedState> saved_;
};

// Saves the canvas state for the lifetime of the guard.
class CanvasStateGuard {
public:
    explicit CanvasStateGuard(Canvas& canvas) : canvas_(canvas) { canvas_.Save(); }
    ~CanvasStateGuard() { canvas_.Restore(); }
    CanvasStateGuard(const CanvasStateGuard&) = delete;
    CanvasStateGuard& operator=(const CanvasStateGuard&) = delete;

private:
    Canvas& canvas_;
};

} // namespace vevezo
