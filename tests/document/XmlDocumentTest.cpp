#include "document/XmlDocument.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace vevezo;
using namespace vevezo::xml;

TEST(XmlDocument, AttributesKeepFirstSetOrderAndTypedText) {
    Document doc;
    Node root = doc.CreateElement(QStringLiteral("BVReport"));
    SetAttr(root, "version", 2.2);
    SetAttr(root, "Title", QStringLiteral("月报 <&\">"));
    SetAttr(root, "PaperWidth", 2100);
    SetBoolAttr(root, "Flag", true);
    SetBoolAttr(root, "Off", false);
    SetAttr(root, "Big", qint64(2147483648LL));
    SetAttr(root, "version", 3.0); // replaced in place, not moved
    EXPECT_EQ(Serialize(root),
              QStringLiteral("<BVReport version=\"3\" Title=\"月报 &lt;&amp;&quot;>\" "
                             "PaperWidth=\"2100\" Flag=\"-1\" Off=\"0\" Big=\"2147483648\"/>"));
}

TEST(XmlDocument, ParsingKeepsWhiteSpaceAndSerialisesWithoutDeclaration) {
    Document doc;
    const QString text = QStringLiteral("<a x=\"1\">  <b>  two  words </b>\n<c/></a>");
    ASSERT_TRUE(doc.LoadXML(QStringLiteral("<?xml version=\"1.0\"?>") + text));
    const Node root = doc.Root();
    EXPECT_EQ(NodeName(root), QStringLiteral("a"));
    EXPECT_EQ(Text(Child(root, "b")), QStringLiteral("  two  words "));
    EXPECT_EQ(Serialize(root), text);
    EXPECT_EQ(Text(root), QStringLiteral("    two  words \n"));
}

TEST(XmlDocument, MalformedTextFailsWithoutError) {
    Document doc;
    EXPECT_FALSE(doc.LoadXML(QStringLiteral("<a><b></a>")));
    EXPECT_FALSE(doc.Root());
    EXPECT_FALSE(doc.LoadXML(QString()));
}

TEST(XmlDocument, TextPutReplacesContentByOneTextNode) {
    Document doc;
    ASSERT_TRUE(doc.LoadXML(QStringLiteral("<a>x<b>y</b>z</a>")));
    Node root = doc.Root();
    EXPECT_EQ(Text(root), QStringLiteral("xyz"));
    SetText(root, QStringLiteral("1 < 2"));
    EXPECT_EQ(Serialize(root), QStringLiteral("<a>1 &lt; 2</a>"));
    SetText(root, QString());
    EXPECT_EQ(Serialize(root), QStringLiteral("<a/>"));
}

TEST(XmlDocument, AppendParsedTextCopiesFirstTopLevelNode) {
    Document doc;
    Node root = doc.CreateElement(QStringLiteral("r"));
    EXPECT_TRUE(AppendParsedText(root, QStringLiteral("<x a=\"1\"><y/></x>")));
    EXPECT_FALSE(AppendParsedText(root, QStringLiteral("<broken>")));
    EXPECT_TRUE(AppendParsedText(root, QStringLiteral("<?xml version=\"1.0\"?><z/>")));
    EXPECT_EQ(Serialize(root), QStringLiteral("<r><x a=\"1\"><y/></x><z/></r>"));
}

TEST(XmlDocument, LookupsExactAndLetterCaseBlind) {
    Document doc;
    ASSERT_TRUE(doc.LoadXML(QStringLiteral(
        "<P><MetaData><Fields><Field Name=\"Amount\" Caption=\"金额\"/>"
        "<Field Name=\"qty\"/></Fields></MetaData><DATA/><r k=\"Ab\" i=\"Ab\"/>"
        "<r k=\"cd\" i=\"CD\"/></P>")));
    const Node root = doc.Root();
    const Node fields = ChildPath(root, "MetaData/Fields");
    ASSERT_TRUE(fields);
    EXPECT_FALSE(ChildPath(root, "MetaData/fields"));
    EXPECT_FALSE(ChildPath(root, "Nothing/Fields"));

    EXPECT_EQ(AttrOr(ChildWithAttr(fields, "Field", "Name", QStringLiteral("Amount")), "Caption"),
              QStringLiteral("金额"));
    EXPECT_FALSE(ChildWithAttr(fields, "Field", "Name", QStringLiteral("amount")));
    EXPECT_TRUE(ChildWithAttrNoCase(fields, "Field", "Name", QStringLiteral("AMOUNT")));
    EXPECT_TRUE(ChildWithAttrNoCase(fields, "Field", "Name", QStringLiteral("Qty")));

    EXPECT_FALSE(Child(root, "Data"));
    EXPECT_EQ(NodeName(ChildNoCase(root, QStringLiteral("data"))), QStringLiteral("DATA"));
    EXPECT_EQ(AttrOr(ChildWithAttrNoCase(root, "r", "k", QStringLiteral("CD")), "i"),
              QStringLiteral("CD"));
    EXPECT_FALSE(ChildWithAttr(root, "r", "i", QStringLiteral("cd")));

    const Node field = Child(fields, "Field");
    EXPECT_EQ(AttrNoCase(field, QStringLiteral("caption")), QStringLiteral("金额"));
    EXPECT_FALSE(Attr(field, "caption"));
    EXPECT_FALSE(AttrNoCase(field, QStringLiteral("missing")));
    EXPECT_EQ(Children(fields, "Field").size(), 2u);
    EXPECT_EQ(ChildElements(root).size(), 4u);
}

TEST(XmlDocument, DeepNestingDoesNotExhaustTheStack) {
    const int depth = 200000;
    QString text;
    text.reserve(depth * 7 + 10);
    for (int i = 0; i < depth; ++i) {
        text += QStringLiteral("<a>");
    }
    text += QStringLiteral("x");
    for (int i = 0; i < depth; ++i) {
        text += QStringLiteral("</a>");
    }
    Document doc;
    ASSERT_TRUE(doc.LoadXML(text));
    EXPECT_EQ(Text(doc.Root()), QStringLiteral("x"));
    EXPECT_EQ(Serialize(doc.Root()).size(), text.size());
}
