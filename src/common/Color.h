#pragma once

#include <QColor>
#include <QString>
#include <optional>

namespace vevezo {

// A colour as the system stores it: 0x00BBGGRR, red in the low byte. Values with the top bit
// set name a system colour (0x80000000 | index) that is resolved when the colour is used.
using TColor = qint32;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

inline constexpr TColor SystemColor(int index) {
    return static_cast<TColor>(0x80000000u | static_cast<quint32>(index));
}
inline constexpr TColor clWindow = SystemColor(5);
inline constexpr TColor clWindowText = SystemColor(8);
inline constexpr TColor clBtnFace = SystemColor(15);

inline constexpr TColor RGBColor(int r, int g, int b) {
    return static_cast<TColor>((b & 0xFF) << 16 | (g & 0xFF) << 8 | (r & 0xFF));
}

// Resolves a system colour to its current RGB value; other values lose their top byte.
TColor ColorToRGB(TColor color);

QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);

// "clRed" and the other colour identifiers (letter case ignored).
std::optional<TColor> IdentToColor(const QString& ident);

// The design-file form: "#" and six upper-case hexadecimal digits of the resolved 0x00BBGGRR
// value, blue first (pure red is "#0000FF").
QString ColorToText(TColor color);

// Reads a colour identifier, a decimal number or a "$"-prefixed hexadecimal number; every "#"
// is read as "$" first. Throws ConvertError for anything else.
TColor ColorFromText(const QString& text);

} // namespace vevezo
