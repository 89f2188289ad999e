#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <pugixml.hpp>
#include <vector>

namespace vevezo::xml {

using Node = pugi::xml_node;

// One XML document per operation. Parsing always keeps white space, so text content comes back
// exactly as it was written.
class Document {
public:
    Document() = default;
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // Parses a text; false when it is not well-formed (the document is then empty).
    bool LoadXML(const QString& text);

    // The first top-level element of the parsed text, or a null node.
    Node Root() const;

    // A new element that is the root of a tree being written.
    Node CreateElement(const QString& name);

    pugi::xml_document& Raw() { return doc_; }

private:
    pugi::xml_document doc_;
};

// --- attributes ------------------------------------------------------------------------------
// Setting keeps the order in which attributes were first set; setting again replaces the value.
void SetAttr(Node node, const char* name, const QString& value);
void SetAttr(Node node, const char* name, const char* value);
void SetAttr(Node node, const char* name, int value);
void SetAttr(Node node, const char* name, qint64 value);
void SetAttr(Node node, const char* name, double value); // "." as the decimal point
void SetBoolAttr(Node node, const char* name, bool value); // "-1" / "0"
void RemoveAttr(Node node, const char* name);

// The attribute's text, or nothing when the attribute is absent (exact name).
std::optional<QString> Attr(Node node, const char* name);
// The attribute's text, or the default when absent.
QString AttrOr(Node node, const char* name, const QString& fallback = {});
bool HasAttributes(Node node);

// --- building --------------------------------------------------------------------------------
Node AppendElement(Node parent, const char* name);
// Parses the text and appends a deep copy of its first top-level node; false (nothing
// appended) when the text does not parse.
bool AppendParsedText(Node parent, const QString& text);
// Appends a deep copy of a node of another (or the same) document.
Node AppendCopy(Node parent, Node source);

// --- content ---------------------------------------------------------------------------------
QString NodeName(Node node);
// The text of all descendant text and CDATA nodes, concatenated in document order.
QString Text(Node node);
// Replaces the node's content by one text node.
void SetText(Node node, const QString& text);
// The markup of the node and its subtree: no declaration, no indentation.
QString Serialize(Node node);

// --- lookups ---------------------------------------------------------------------------------
// Element children in document order.
std::vector<Node> ChildElements(Node node);
// First child element with exactly this name.
Node Child(Node node, const char* name);
// All child elements with exactly this name.
std::vector<Node> Children(Node node, const char* name);
// Child elements along a path of exact names ("MetaData/Fields").
Node ChildPath(Node node, const char* path);
// First child element whose name equals the given one, letter case ignored.
Node ChildNoCase(Node node, const QString& name);
// Attribute whose name equals the given one, letter case ignored.
std::optional<QString> AttrNoCase(Node node, const QString& name);
pugi::xml_attribute AttributeNoCase(Node node, const QString& name);
// First child element `element` whose attribute `attribute` equals the value, exactly or
// ignoring letter case.
Node ChildWithAttr(Node node, const char* element, const char* attribute, const QString& value);
Node ChildWithAttrNoCase(Node node, const char* element, const char* attribute,
                         const QString& value);

} // namespace vevezo::xml
