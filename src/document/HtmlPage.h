#pragma once

#include <QString>
#include <optional>

namespace vevezo {

// The HTML page that carries a report set: the viewer object with the 6-bit content text as its
// "Content" parameter. A saved page (forMail false) has the object directly in BODY; a page for
// mail puts it into the cell of a full-size table. Line breaks are "\r\n".
QString BuildHtmlPage(const QString& contentText, bool forMail);

// The VALUE of the "Content" PARAM of the first OBJECT that has one, when the text is an HTML
// page that parses as XML (as the pages built above do); nothing otherwise. Element and
// attribute names and the parameter name are compared without regard to letter case.
std::optional<QString> HtmlPageContent(const QString& pageText);

} // namespace vevezo
