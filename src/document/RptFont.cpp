#include "document/RptFont.h"

#include "common/Numbers.h"
#include "common/Units.h"

#include <mutex>

namespace vevezo {

RptFont RptFont::PageFont() {
    RptFont font;
    font.pixelsPerInch = ScreenPixelsPerInch();
    font.SetSize(9);
    return font;
}

void RptFont::SetSize(int points) {
    size = points;
    height = -RoundToInt(static_cast<double>(points) * pixelsPerInch / 72.0);
}

void RptFont::SetHeight(int pixels) {
    height = pixels;
    size = -RoundToInt(static_cast<double>(pixels) * 72.0 / pixelsPerInch);
}

void RptFont::SetPixelsPerInch(int value) {
    if (value > 0) {
        pixelsPerInch = value;
        SetSize(size);
    }
}

void RptFont::SetStyle(FontStyleBit bit, bool on) {
    if (on) {
        style |= 1u << bit;
    } else {
        style &= ~(1u << bit);
    }
}

QFont RptFont::ToQFont() const {
    InstallFontSubstitutions();
    QFont font(face);
    // A positive height includes the internal leading; the character height is close enough
    // for the faces in use, and Qt takes no other measure.
    font.setPixelSize(qMax(1, height < 0 ? -height : height));
    font.setBold(HasStyle(fsBold));
    font.setItalic(HasStyle(fsItalic));
    font.setUnderline(HasStyle(fsUnderline));
    font.setStrikeOut(HasStyle(fsStrikeOut));
    if (pitch == 2) {
        font.setFixedPitch(true);
    }
    return font;
}

bool IsDefaultFont(const RptFont& font) {
    return font.face == QStringLiteral("宋体") && font.size == 9 && font.height == -12 &&
           ColorToRGB(font.color) == clBlack && font.style == 0;
}

bool SameFont(const RptFont& a, const RptFont& b) {
    return a.face == b.face && ColorToRGB(a.color) == ColorToRGB(b.color) && a.size == b.size &&
           a.style == b.style && a.height == b.height;
}

void InstallFontSubstitutions() {
    static std::once_flag once;
    std::call_once(once, [] {
        QFont::insertSubstitutions(QStringLiteral("宋体"),
                                   {QStringLiteral("AR PL UMing CN"),
                                    QStringLiteral("AR PL UMing TW"),
                                    QStringLiteral("WenQuanYi Zen Hei")});
        const QStringList sans = {QStringLiteral("WenQuanYi Zen Hei"),
                                  QStringLiteral("WenQuanYi Zen Hei Sharp"),
                                  QStringLiteral("DejaVu Sans")};
        QFont::insertSubstitutions(QStringLiteral("黑体"), sans);
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    });
}

} // namespace vevezo
