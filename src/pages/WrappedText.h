#pragma once

#include <QTextLayout>

class QPainter;
class QPaintDevice;

namespace vevezo {

// A text laid out into lines of a given width for one font and device: broken at line breaks,
// between words when asked, tabs expanded, each line aligned left, centred or right.
class WrappedText {
public:
    // alignment is Qt::AlignLeft, Qt::AlignHCenter or Qt::AlignRight.
    WrappedText(const QString& text, const QFont& font, QPaintDevice* device, int width,
                bool wordBreak, Qt::Alignment alignment);

    // The height of all lines together, whole pixels.
    int Height() const { return height_; }
    // Draws the lines from the top-left corner with the painter's pen; with a background, the
    // area of each line's text is filled first.
    void Draw(QPainter& painter, const QPoint& topLeft, const QBrush* background) const;

private:
    QTextLayout layout_;
    int height_ = 0;
};

} // namespace vevezo
