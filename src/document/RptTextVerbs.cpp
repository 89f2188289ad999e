// The text element's share of the designer's verbs.
#include "document/RptText.h"

namespace vevezo {

QList<ElementVerb> TRptText::Verbs() const {
    return {{verbmmTextBegin, QStringLiteral("rdpmiRptTxtTrans"), QStringLiteral("底色透明"),
             transparent_}};
}

namespace {

void ApplyFontVerb(RptFont& font, bool& shadow, int subVerb, const QVariant& value) {
    switch (subVerb) {
    case subFontFace:
        font.face = value.toString();
        break;
    case subFontSize:
        font.SetSize(value.toInt());
        break;
    case subFontColor:
        font.color = value.toInt();
        break;
    case subFontBold:
        font.SetStyle(fsBold, value.toBool());
        break;
    case subFontItalic:
        font.SetStyle(fsItalic, value.toBool());
        break;
    case subFontUnderline:
        font.SetStyle(fsUnderline, value.toBool());
        break;
    case subFontShadow:
        shadow = value.toBool();
        break;
    default:
        break;
    }
}

} // namespace

void TRptText::VerbAction(int verb, int subVerb, const QVariant& value) {
    switch (verb) {
    case verbmmTextBegin:
        SetTransparent(value.toBool());
        break;
    case verbElementFont: {
        RptFont font = font_;
        bool shadow = shadow_;
        ApplyFontVerb(font, shadow, subVerb, value);
        SetFont(font);
        SetShadow(shadow);
        break;
    }
    case verbElementSubAlign:
        if (subVerb == subAlignLeft) {
            SetAlignment(taLeftJustify);
        } else if (subVerb == subAlignRight) {
            SetAlignment(taRightJustify);
        } else if (subVerb == subAlignCenter) {
            SetAlignment(taCenter);
        }
        break;
    case verbElementSubVAlign:
        if (subVerb == subVAlignTop) {
            SetVAlign(tlTop);
        } else if (subVerb == subVAlignBottom) {
            SetVAlign(tlBottom);
        } else if (subVerb == subVAlignCenter) {
            SetVAlign(tlCenter);
        }
        break;
    default:
        break;
    }
    MarkDirty();
}

QVariant TRptText::VerbActionValue(int verb, int subVerb) const {
    if (verb == verbElementSubAlign) {
        return alignment_;
    }
    if (verb == verbElementSubVAlign) {
        return vAlign_;
    }
    if (verb != verbElementFont) {
        return {};
    }
    switch (subVerb) {
    case subFontFace:
        return font_.face;
    case subFontSize:
        return font_.size;
    case subFontColor:
        return static_cast<int>(font_.color);
    case subFontBold:
        return font_.HasStyle(fsBold);
    case subFontItalic:
        return font_.HasStyle(fsItalic);
    case subFontUnderline:
        return font_.HasStyle(fsUnderline);
    case subFontShadow:
        return shadow_;
    default:
        return {};
    }
}

} // namespace vevezo
