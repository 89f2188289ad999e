#include "document/XmlDocument.h"

namespace vevezo::xml {

namespace {

constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_ws_pcdata;

bool ParseInto(pugi::xml_document& doc, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    const pugi::xml_parse_result result =
        doc.load_buffer(utf8.constData(), static_cast<size_t>(utf8.size()), kParseOptions,
                        pugi::encoding_utf8);
    if (!result) {
        doc.reset();
        return false;
    }
    return true;
}

QString FromUtf8(const char* text) { return QString::fromUtf8(text); }

// Compares a name with another given both as text and as UTF-8, letter case ignored. ASCII
// names (nearly all of them) are compared byte by byte without building a string.
bool EqualsNoCase(const char* utf8, const QByteArray& otherUtf8, const QString& other) {
    const char* a = utf8;
    const char* b = otherUtf8.constData();
    for (; *a && *b; ++a, ++b) {
        if (*a == *b) {
            continue;
        }
        if ((*a & 0x80) || (*b & 0x80)) {
            return QString::fromUtf8(utf8).compare(other, Qt::CaseInsensitive) == 0;
        }
        const char la = (*a >= 'A' && *a <= 'Z') ? char(*a + 32) : *a;
        const char lb = (*b >= 'A' && *b <= 'Z') ? char(*b + 32) : *b;
        if (la != lb) {
            return false;
        }
    }
    return *a == *b;
}

class StringWriter : public pugi::xml_writer {
public:
    void write(const void* data, size_t size) override {
        bytes.append(static_cast<const char*>(data), static_cast<qsizetype>(size));
    }
    QByteArray bytes;
};

} // namespace

bool Document::LoadXML(const QString& text) { return ParseInto(doc_, text); }

Node Document::Root() const {
    for (Node child = doc_.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_element) {
            return child;
        }
    }
    return {};
}

Node Document::CreateElement(const QString& name) {
    return doc_.append_child(name.toUtf8().constData());
}

void SetAttr(Node node, const char* name, const QString& value) {
    SetAttr(node, name, value.toUtf8().constData());
}

void SetAttr(Node node, const char* name, const char* value) {
    pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute) {
        attribute = node.append_attribute(name);
    }
    attribute.set_value(value);
}

void SetAttr(Node node, const char* name, int value) {
    SetAttr(node, name, QString::number(value));
}

void SetAttr(Node node, const char* name, qint64 value) {
    SetAttr(node, name, QString::number(value));
}

void SetAttr(Node node, const char* name, double value) {
    SetAttr(node, name, QString::number(value, 'g', 15));
}

void SetBoolAttr(Node node, const char* name, bool value) {
    SetAttr(node, name, value ? "-1" : "0");
}

void RemoveAttr(Node node, const char* name) { node.remove_attribute(name); }

std::optional<QString> Attr(Node node, const char* name) {
    const pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute) {
        return std::nullopt;
    }
    return FromUtf8(attribute.value());
}

QString AttrOr(Node node, const char* name, const QString& fallback) {
    return Attr(node, name).value_or(fallback);
}

bool HasAttributes(Node node) { return static_cast<bool>(node.first_attribute()); }

Node AppendElement(Node parent, const char* name) { return parent.append_child(name); }

bool AppendParsedText(Node parent, const QString& text) {
    pugi::xml_document parsed;
    if (!ParseInto(parsed, text) || !parsed.first_child()) {
        return false;
    }
    return static_cast<bool>(parent.append_copy(parsed.first_child()));
}

Node AppendCopy(Node parent, Node source) { return parent.append_copy(source); }

QString NodeName(Node node) { return FromUtf8(node.name()); }

QString Text(Node node) {
    if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) {
        return FromUtf8(node.value());
    }
    // Walk the subtree without recursion, so that deeply nested input cannot exhaust the stack.
    QByteArray text;
    Node current = node.first_child();
    while (current && current != node) {
        if (current.type() == pugi::node_pcdata || current.type() == pugi::node_cdata) {
            text.append(current.value());
        }
        if (current.first_child()) {
            current = current.first_child();
            continue;
        }
        while (current != node && !current.next_sibling()) {
            current = current.parent();
        }
        if (current == node) {
            break;
        }
        current = current.next_sibling();
    }
    return QString::fromUtf8(text);
}

void SetText(Node node, const QString& text) {
    while (node.first_child()) {
        node.remove_child(node.first_child());
    }
    if (!text.isEmpty()) {
        node.append_child(pugi::node_pcdata).set_value(text.toUtf8().constData());
    }
}

QString Serialize(Node node) {
    StringWriter writer;
    node.print(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return QString::fromUtf8(writer.bytes);
}

std::vector<Node> ChildElements(Node node) {
    std::vector<Node> result;
    for (Node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_element) {
            result.push_back(child);
        }
    }
    return result;
}

Node Child(Node node, const char* name) { return node.child(name); }

std::vector<Node> Children(Node node, const char* name) {
    std::vector<Node> result;
    for (Node child = node.child(name); child; child = child.next_sibling(name)) {
        result.push_back(child);
    }
    return result;
}

Node ChildPath(Node node, const char* path) {
    const QList<QByteArray> steps = QByteArray(path).split('/');
    for (const QByteArray& step : steps) {
        if (!node) {
            break;
        }
        node = node.child(step.constData());
    }
    return node;
}

Node ChildNoCase(Node node, const QString& name) {
    const QByteArray wanted = name.toUtf8();
    for (Node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_element && EqualsNoCase(child.name(), wanted, name)) {
            return child;
        }
    }
    return {};
}

pugi::xml_attribute AttributeNoCase(Node node, const QString& name) {
    const QByteArray wanted = name.toUtf8();
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
        if (EqualsNoCase(a.name(), wanted, name)) {
            return a;
        }
    }
    return {};
}

std::optional<QString> AttrNoCase(Node node, const QString& name) {
    const pugi::xml_attribute a = AttributeNoCase(node, name);
    return a ? std::optional<QString>(FromUtf8(a.value())) : std::nullopt;
}

Node ChildWithAttr(Node node, const char* element, const char* attribute, const QString& value) {
    const QByteArray wanted = value.toUtf8();
    for (Node child = node.child(element); child; child = child.next_sibling(element)) {
        const pugi::xml_attribute a = child.attribute(attribute);
        if (a && wanted == a.value()) {
            return child;
        }
    }
    return {};
}

Node ChildWithAttrNoCase(Node node, const char* element, const char* attribute,
                         const QString& value) {
    const QByteArray wanted = value.toUtf8();
    for (Node child = node.child(element); child; child = child.next_sibling(element)) {
        const pugi::xml_attribute a = child.attribute(attribute);
        if (a && EqualsNoCase(a.value(), wanted, value)) {
            return child;
        }
    }
    return {};
}

} // namespace vevezo::xml
