#include "document/HtmlPage.h"

#include "document/ReportSetConstants.h"
#include "document/XmlDocument.h"

namespace vevezo {

namespace {

constexpr const char* kDocType = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">";
constexpr const char* kPageTemplate =
    "<HTML>\r\n<HEAD>\r\n<TITLE>晨岚报表文档</TITLE>\r\n</HEAD>\r\n"
    "<BODY>\r\n</BODY>\r\n</HTML>";
constexpr const char* kMailTable =
    "<TABLE BORDER=\"0\" CELLPADDING=\"0\" CELLSPACING=\"0\" HEIGHT=\"100%\" WIDTH=\"100%\">\r\n"
    "<TR><TD HEIGHT=\"100%\" WIDTH=\"100%\">\r\n</TD></TR>\r\n</TABLE>";
constexpr const char* kLineBreak = "\r\n";

// Parses fixed markup keeping white space and its "\r\n" line breaks exactly as written (the
// XML service would turn them into "\n").
void ParseMarkup(xml::Document& doc, const char* markup) {
    constexpr unsigned options = (pugi::parse_default | pugi::parse_ws_pcdata) & ~pugi::parse_eol;
    doc.Raw().load_string(markup, options);
}

void AppendLineBreak(xml::Node node) {
    node.append_child(pugi::node_pcdata).set_value(kLineBreak);
}

bool NamedNoCase(xml::Node node, const char* name) {
    return node.type() == pugi::node_element &&
           xml::NodeName(node).compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

// The VALUE of the object's PARAM whose NAME is "Content", or nothing.
std::optional<QString> ContentParam(xml::Node object) {
    for (const xml::Node child : xml::ChildElements(object)) {
        if (!NamedNoCase(child, "PARAM")) {
            continue;
        }
        const std::optional<QString> name = xml::AttrNoCase(child, QStringLiteral("NAME"));
        if (name &&
            name->compare(QLatin1String(reportset::kContentParamName), Qt::CaseInsensitive) == 0) {
            return xml::AttrNoCase(child, QStringLiteral("VALUE"));
        }
    }
    return std::nullopt;
}

} // namespace

QString BuildHtmlPage(const QString& contentText, bool forMail) {
    xml::Document page;
    ParseMarkup(page, kPageTemplate);
    const xml::Node html = page.Root();
    xml::Node holder = xml::Child(html, "BODY");
    if (forMail) {
        xml::Document table;
        ParseMarkup(table, kMailTable);
        holder = xml::ChildPath(xml::AppendCopy(holder, table.Root()), "TR/TD");
    }
    const xml::Node object = xml::AppendElement(holder, "OBJECT");
    xml::SetAttr(object, "CLASSID", reportset::kViewerClassId);
    xml::SetAttr(object, "codeBase",
                 QString::fromLatin1(reportset::kViewerDownloadUrl) +
                     QLatin1String(reportset::kViewerVersionSuffix));
    xml::SetAttr(object, "ID", reportset::kViewerObjectId);
    xml::SetAttr(object, "WIDTH", "100%");
    xml::SetAttr(object, "HEIGHT", "100%");
    AppendLineBreak(object);
    const xml::Node param = xml::AppendElement(object, "PARAM");
    xml::SetAttr(param, "NAME", reportset::kContentParamName);
    xml::SetAttr(param, "VALUE", contentText);
    AppendLineBreak(object);
    return QLatin1String(kDocType) + QLatin1String(kLineBreak) + xml::Serialize(html);
}

std::optional<QString> HtmlPageContent(const QString& pageText) {
    xml::Document doc;
    if (!doc.LoadXML(pageText) || !NamedNoCase(doc.Root(), "HTML")) {
        return std::nullopt;
    }
    std::optional<QString> content;
    // pugixml walks the tree without recursion, so deeply nested pages cannot exhaust the stack.
    doc.Root().find_node([&content](xml::Node node) {
        if (NamedNoCase(node, "OBJECT")) {
            content = ContentParam(node);
        }
        return content.has_value();
    });
    return content;
}

} // namespace vevezo
