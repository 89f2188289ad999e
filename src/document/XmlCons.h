#pragma once

#include "document/RptFont.h"
#include "document/XmlDocument.h"

#include <QString>

namespace vevezo {

// The numbers of the set bits (0-31) in increasing order, joined by ",", in "[" "]" when asked.
QString SetToText(quint32 bits, bool brackets);
// Reads such a list: optional "[" and "]", tokens split at blanks and commas; numbers 0-31 set
// their bit, other numbers are skipped; a token that is not a number throws ConvertError.
quint32 SetFromText(const QString& text);

// Writes the font attributes into the node: Face, AbsoluteSize, Height, Charset (unless 1),
// Color (unless black), Pitch (unless 0), Style (unless empty). In html mode Size (the HTML
// font size) stands for AbsoluteSize and neither Height, Charset, Pitch nor Style is written.
void FontToXml(const RptFont& font, xml::Node node, bool html = false);
// Reads Face, AbsoluteSize, Charset, Color, Pitch and Style where present; Height is ignored.
// Malformed numbers and colours throw ConvertError.
void FontFromXml(RptFont& font, xml::Node node);

// Bytes as upper-case hexadecimal, two digits a byte, no separators.
QString BytesToHex(const QByteArray& bytes);
// Decodes pairs of hexadecimal digits; blanks and line breaks (codes up to 32) between pairs are
// skipped; decoding stops at the first other character (or at a lone digit).
QByteArray HexToBytes(QStringView text);

// The HTML font size (1-7) of a point size.
int HtmlFontSize(int points);

} // namespace vevezo
