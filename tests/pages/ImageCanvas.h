#pragma once

#include "pages/Canvas.h"

#include <QImage>
#include <QPainter>
#include <memory>

// A canvas over an image filled with one colour; Finish ends the painting so pixels can be read.
struct ImageCanvas {
    explicit ImageCanvas(QSize size, QColor fill = Qt::white, int dpi = 96)
        : image(size, QImage::Format_RGB32) {
        image.fill(fill);
        const int dotsPerMeter = qRound(dpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        painter = std::make_unique<QPainter>(&image);
        canvas = std::make_unique<vevezo::Canvas>(*painter);
    }

    vevezo::Canvas& operator*() { return *canvas; }
    vevezo::Canvas* operator->() { return canvas.get(); }

    const QImage& Finish() {
        canvas.reset();
        if (painter) {
            painter->end();
            painter.reset();
        }
        return image;
    }
    // The colour at a pixel, as 0xRRGGBB.
    QRgb At(int x, int y) { return Finish().pixel(x, y) & 0xFFFFFF; }
    // How many times the colour changes along a row between two columns.
    int ChangesAlongRow(int y, int from, int to) {
        int changes = 0;
        for (int x = from + 1; x < to; ++x) {
            changes += At(x, y) != At(x - 1, y) ? 1 : 0;
        }
        return changes;
    }
    // Whether any pixel outside the rectangle differs from the colour.
    bool ChangedOutside(const QRect& rect, QRgb colour) {
        const QImage& done = Finish();
        for (int y = 0; y < done.height(); ++y) {
            for (int x = 0; x < done.width(); ++x) {
                if (!rect.contains(x, y) && (done.pixel(x, y) & 0xFFFFFF) != colour) {
                    return true;
                }
            }
        }
        return false;
    }

    QImage image;
    std::unique_ptr<QPainter> painter;
    std::unique_ptr<vevezo::Canvas> canvas;
};

inline constexpr QRgb kWhite = 0xFFFFFF;
// A colour of the system's form as 0xRRGGBB.
inline QRgb Rgb(vevezo::TColor color) {
    return vevezo::ToQColor(color).rgb() & 0xFFFFFF;
}
