#include "data/AppendXmlText.h"

namespace vevezo {

bool AppendXmlText(xml::Node node, const QString& xmlText) {
    return node && xml::AppendParsedText(node, xmlText);
}

} // namespace vevezo
