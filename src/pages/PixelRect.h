#pragma once

#include <QRect>

namespace vevezo {

// A rectangle of device pixels given by its edges. Right and bottom are exclusive: the
// rectangle covers the pixels left .. right - 1 and top .. bottom - 1.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }

    // Moves every edge inwards by dx horizontally and dy vertically (outwards when negative).
    PixelRect Shrunk(int dx, int dy) const {
        return {left + dx, top + dy, right - dx, bottom - dy};
    }
    PixelRect Moved(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    QRect ToQRect() const { return QRect(left, top, Width(), Height()); }
    static PixelRect FromQRect(const QRect& r) {
        return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    }

    bool operator==(const PixelRect&) const = default;
};

} // namespace vevezo
