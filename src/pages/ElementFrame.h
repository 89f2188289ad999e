#pragma once

#include "common/Color.h"
#include "pages/PixelRect.h"

namespace vevezo {

class Canvas;

// An element's frame: a closed outline through the rectangle's corners (left-top, right-top,
// right-bottom, left-bottom), so it covers the right and bottom edges too. A pen wider than one
// pixel keeps the outline inside by half its width and keeps its style.
struct FrameStyle {
    TColor color = clBlack;
    int penStyle = 0; // TPenStyle
    int width = 1;
};
void DrawFrame(Canvas& canvas, const PixelRect& rect, const FrameStyle& style);

// Side lines of the sunken look, one pixel wide, by the bits of `sides` (TBorderSide): top and
// left in the dark colour, right and bottom in the light colour, each along the rectangle's edge
// from its first corner up to (not including) the other.
void DrawSideLines(Canvas& canvas, const PixelRect& rect, int sides, TColor dark, TColor light);

} // namespace vevezo
