#pragma once

#include <QString>

namespace vevezo {

// Verb numbers the designer hands to elements.
enum ElementVerbNumber : int {
    verbmmTextBegin = 200,
    verbElementFont = 9003,
    verbElementSubAlign = 9050,
    verbElementSubVAlign = 9051,
};

// Sub-verbs of verbElementFont, verbElementSubAlign and verbElementSubVAlign.
enum ElementSubVerb : int {
    subFontFace = 90030,
    subFontSize = 90031,
    subFontColor = 90032,
    subFontBold = 90033,
    subFontItalic = 90034,
    subFontUnderline = 90035,
    subFontShadow = 90036,
    subAlignLeft = 90500,
    subAlignRight = 90501,
    subAlignCenter = 90502,
    subVAlignTop = 90510,
    subVAlignBottom = 90511,
    subVAlignCenter = 90512,
};

// A verb an element offers in the designer's menu.
struct ElementVerb {
    int number = 0;
    QString name;
    QString caption;
    bool checked = false;

    bool operator==(const ElementVerb&) const = default;
};

} // namespace vevezo
