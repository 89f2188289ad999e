#pragma once

#include "common/Color.h"
#include "pages/PixelRect.h"

#include <QString>

namespace vevezo {

class Canvas;

// The background of text that shows a binding rather than data.
inline constexpr TColor kBoundTextBackground = RGBColor(196, 192, 192);
// The colour of a text's shadow (black when the text itself has this colour).
inline constexpr TColor kShadowColor = RGBColor(128, 128, 128);

// How an element's text is placed in its rectangle.
struct TextPlacement {
    int alignment = 0; // TAlignment
    int vAlign = 1;    // TTextLayout
    bool greyBackground = false;
    bool shadow = false;
};

// Draws an element's text with the canvas's current font: word-wrapped, tabs expanded, "&" shown
// as it is, aligned horizontally and vertically in the rectangle and clipped to it. Text taller
// than a centred or bottom-aligned rectangle starts above its top and is cut off at both edges.
// The shadow is the same text one pixel right and down, drawn first.
void DrawElementText(Canvas& canvas, const PixelRect& rect, const QString& text,
                     const TextPlacement& placement);

} // namespace vevezo
