#pragma once

#include "common/Color.h"

#include <QFont>
#include <QString>

namespace vevezo {

// Font style bits, numbered as in the design files.
enum FontStyleBit : unsigned { fsBold = 0, fsItalic = 1, fsUnderline = 2, fsStrikeOut = 3 };

// An element's font as the report files describe it. The point size and the pixel height are
// kept together: setting one recomputes the other at the font's pixels per inch.
struct RptFont {
    QString face = QStringLiteral("宋体");
    int size = 9;      // points
    int height = -12;  // pixels; negative means character height
    int charset = 134; // GB2312
    TColor color = clBlack;
    int pitch = 0;      // 0 default, 1 variable, 2 fixed
    unsigned style = 0; // FontStyleBit bits
    int pixelsPerInch = 96;

    // The page font: "宋体" 9 points at the base resolution.
    static RptFont PageFont();

    void SetSize(int points);
    void SetHeight(int pixels);
    void SetPixelsPerInch(int pixelsPerInch); // keeps the point size
    bool HasStyle(FontStyleBit bit) const { return (style >> bit) & 1u; }
    void SetStyle(FontStyleBit bit, bool on);

    // A QFont of this font's pixel height. The Chinese faces are substituted (once, on first use)
    // by faces that exist on this platform.
    QFont ToQFont() const;

    bool operator==(const RptFont&) const = default;
};

// "宋体", 9 points, height -12, black, no style (character set and pitch are not compared).
bool IsDefaultFont(const RptFont& font);
// Equal face, colour, size, style and height.
bool SameFont(const RptFont& a, const RptFont& b);

// Registers the substitutes of the faces report files name: "宋体" by a Song-style CJK face,
// "黑体" and "MS Sans Serif" by sans faces. Runs once; later calls do nothing.
void InstallFontSubstitutions();

} // namespace vevezo
