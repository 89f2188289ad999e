#pragma once

namespace vevezo {

// Pen styles, numbered as in the design files.
enum TPenStyle : int {
    psSolid = 0,
    psDash = 1,
    psDot = 2,
    psDashDot = 3,
    psDashDotDot = 4,
    psClear = 5,
    psInsideFrame = 6
};

// How a pen combines with what is already drawn. Other numbers draw as pmCopy.
enum TPenMode : int { pmCopy = 4, pmXor = 14, pmNotXor = 15 };

// A clear brush paints nothing; a pattern brush repeats its 8 x 8 picture.
enum TBrushStyle : int { bsSolid = 0, bsClear = 1, bsPattern = 2 };

// Horizontal alignment of text.
enum TAlignment : int { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };

// Vertical alignment of text.
enum TTextLayout : int { tlTop = 0, tlCenter = 1, tlBottom = 2 };

// Side lines of the sunken look.
enum TBorderSide : int { bsTop = 1, bsLeft = 2, bsRight = 4, bsBottom = 8 };

// Flags of Canvas::DrawText. Tabs are always expanded and "&" is always shown as it is.
enum TextFormatFlag : unsigned {
    dtLeft = 0x0,
    dtCenter = 0x1,
    dtRight = 0x2,
    dtWordBreak = 0x10,
    dtNoClip = 0x100,
};

} // namespace vevezo
