#include "common/Color.h"

#include "common/Error.h"
#include "common/Messages.h"
#include "common/Numbers.h"

#include <array>

namespace vevezo {

namespace {

// Current values of the system colours, by index. These are the platform's standard scheme;
// the engine runs headless, so the values are fixed rather than taken from a desktop theme.
constexpr std::array<TColor, 31> kSystemColors = {
    RGBColor(200, 200, 200), // 0 scroll bar
    RGBColor(0, 0, 0),       // 1 background
    RGBColor(153, 180, 209), // 2 active caption
    RGBColor(191, 205, 219), // 3 inactive caption
    RGBColor(240, 240, 240), // 4 menu
    RGBColor(255, 255, 255), // 5 window
    RGBColor(100, 100, 100), // 6 window frame
    RGBColor(0, 0, 0),       // 7 menu text
    RGBColor(0, 0, 0),       // 8 window text
    RGBColor(0, 0, 0),       // 9 caption text
    RGBColor(180, 180, 180), // 10 active border
    RGBColor(244, 247, 252), // 11 inactive border
    RGBColor(171, 171, 171), // 12 application workspace
    RGBColor(0, 120, 215),   // 13 highlight
    RGBColor(255, 255, 255), // 14 highlight text
    RGBColor(240, 240, 240), // 15 button face
    RGBColor(160, 160, 160), // 16 button shadow
    RGBColor(109, 109, 109), // 17 grey text
    RGBColor(0, 0, 0),       // 18 button text
    RGBColor(0, 0, 0),       // 19 inactive caption text
    RGBColor(255, 255, 255), // 20 button highlight
    RGBColor(105, 105, 105), // 21 3D dark shadow
    RGBColor(227, 227, 227), // 22 3D light
    RGBColor(0, 0, 0),       // 23 info text
    RGBColor(255, 255, 225), // 24 info background
    RGBColor(0, 0, 0),       // 25 (unused)
    RGBColor(0, 102, 204),   // 26 hot light
    RGBColor(185, 209, 234), // 27 gradient active caption
    RGBColor(215, 228, 242), // 28 gradient inactive caption
    RGBColor(51, 153, 255),  // 29 menu highlight
    RGBColor(240, 240, 240), // 30 menu bar
};

struct ColorIdent {
    const char* name;
    TColor value;
};

constexpr std::array<ColorIdent, 52> kColorIdents = {{
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clMoneyGreen", RGBColor(192, 220, 192)},
    {"clSkyBlue", RGBColor(166, 202, 240)},
    {"clCream", RGBColor(255, 251, 240)},
    {"clMedGray", RGBColor(160, 160, 164)},
    {"clLtGray", clSilver},
    {"clDkGray", clGray},
    {"clNone", clNone},
    {"clDefault", clDefault},
    {"clScrollBar", SystemColor(0)},
    {"clBackground", SystemColor(1)},
    {"clActiveCaption", SystemColor(2)},
    {"clInactiveCaption", SystemColor(3)},
    {"clMenu", SystemColor(4)},
    {"clWindow", SystemColor(5)},
    {"clWindowFrame", SystemColor(6)},
    {"clMenuText", SystemColor(7)},
    {"clWindowText", SystemColor(8)},
    {"clCaptionText", SystemColor(9)},
    {"clActiveBorder", SystemColor(10)},
    {"clInactiveBorder", SystemColor(11)},
    {"clAppWorkSpace", SystemColor(12)},
    {"clHighlight", SystemColor(13)},
    {"clHighlightText", SystemColor(14)},
    {"clBtnFace", SystemColor(15)},
    {"clBtnShadow", SystemColor(16)},
    {"clGrayText", SystemColor(17)},
    {"clBtnText", SystemColor(18)},
    {"clInactiveCaptionText", SystemColor(19)},
    {"clBtnHighlight", SystemColor(20)},
    {"cl3DDkShadow", SystemColor(21)},
    {"cl3DLight", SystemColor(22)},
    {"clInfoText", SystemColor(23)},
    {"clInfoBk", SystemColor(24)},
    {"clHotLight", SystemColor(26)},
    {"clMenuHighlight", SystemColor(29)},
    {"clMenuBar", SystemColor(30)},
}};

} // namespace

TColor ColorToRGB(TColor color) {
    if (color < 0) {
        const quint32 index = static_cast<quint32>(color) & 0xFF;
        return index < kSystemColors.size() ? kSystemColors[index] : clBlack;
    }
    return color & 0x00FFFFFF;
}

QColor ToQColor(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

TColor FromQColor(const QColor& color) {
    return RGBColor(color.red(), color.green(), color.blue());
}

std::optional<TColor> IdentToColor(const QString& ident) {
    for (const ColorIdent& entry : kColorIdents) {
        if (ident.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0) {
            return entry.value;
        }
    }
    return std::nullopt;
}

QString ColorToText(TColor color) {
    return QStringLiteral("#%1").arg(ColorToRGB(color), 6, 16, QLatin1Char('0')).toUpper();
}

TColor ColorFromText(const QString& text) {
    QString value = text;
    value.replace(QLatin1Char('#'), QLatin1Char('$'));
    if (const auto ident = IdentToColor(value)) {
        return *ident;
    }
    // A "$" after an optional sign introduces a hexadecimal number of up to eight digits.
    QStringView digits(value);
    bool negative = false;
    if (!digits.isEmpty() && (digits[0] == u'-' || digits[0] == u'+')) {
        negative = digits[0] == u'-';
        digits = digits.mid(1);
    }
    if (digits.startsWith(u'$')) {
        digits = digits.mid(1);
        bool ok = !digits.isEmpty() && digits.size() <= 8;
        for (QChar c : digits) {
            const char16_t u = c.unicode();
            ok = ok &&
                 ((u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F'));
        }
        if (ok) {
            const quint32 bits = digits.toUInt(nullptr, 16);
            return static_cast<TColor>(negative ? 0u - bits : bits);
        }
    } else if (const auto number = TryStrictInt(value)) {
        return *number;
    }
    throw ConvertError(QString::fromUtf8(msg::NotAColour).arg(text));
}

} // namespace vevezo
