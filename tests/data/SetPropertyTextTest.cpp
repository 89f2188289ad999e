#include "data/SetPropertyText.h"

#include "TestSupport.h"
#include "common/Error.h"
#include "data/AppendXmlText.h"

#include <QObject>
#include <gtest/gtest.h>

using namespace vevezo;

namespace {

// An object with the kinds of set-valued properties the document objects publish.
class SetHolder : public QObject {
    Q_OBJECT
public:
    enum Option { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
    Q_DECLARE_FLAGS(Options, Option)
    Q_FLAG(Options)

    Q_PROPERTY(Options Style READ Style WRITE SetStyle)
    Q_PROPERTY(int Bits MEMBER bits)
    Q_PROPERTY(int ReadOnlyBits READ ReadOnlyBits)
    Q_PROPERTY(QString Name MEMBER name)

    Options Style() const { return style; }
    void SetStyle(Options value) { style = value; }
    int ReadOnlyBits() const { return 5; }

    Options style;
    int bits = 0;
    QString name;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(SetHolder::Options)

} // namespace

TEST(SetPropertyText, WritesTheBitsOfFlagsAndIntegerProperties) {
    SetHolder holder;
    holder.style = SetHolder::Bold | SetHolder::Underline;
    holder.bits = 0b1010;
    EXPECT_EQ(SetToText(&holder, "Style", false), QStringLiteral("0,2"));
    EXPECT_EQ(SetToText(&holder, "Bits", true), QStringLiteral("[1,3]"));
    EXPECT_EQ(SetToText(&holder, "ReadOnlyBits", false), QStringLiteral("0,2"));
}

TEST(SetPropertyText, AnyErrorGivesAnEmptyText) {
    SetHolder holder;
    holder.name = QStringLiteral("5");
    EXPECT_EQ(SetToText(&holder, "Name", true), QString());
    EXPECT_EQ(SetToText(&holder, "Missing", true), QString());
    EXPECT_EQ(SetToText(nullptr, "Bits", true), QString());
}

TEST(SetPropertyText, ReadsListsIntoTheProperty) {
    SetHolder holder;
    SetFromText(&holder, "Style", QStringLiteral("[1, 3]"));
    EXPECT_EQ(holder.style, SetHolder::Italic | SetHolder::StrikeOut);
    SetFromText(&holder, "Bits", QStringLiteral("0 31"));
    EXPECT_EQ(static_cast<quint32>(holder.bits), 0x80000001u);
    EXPECT_THROW(SetFromText(&holder, "Bits", QStringLiteral("0,bold")), ConvertError);
    EXPECT_EQ(static_cast<quint32>(holder.bits), 0x80000001u);
    EXPECT_THROW(SetFromText(&holder, "ReadOnlyBits", QStringLiteral("1")), ConvertError);
    EXPECT_THROW(SetFromText(&holder, "Name", QStringLiteral("1")), ConvertError);
    EXPECT_THROW(SetFromText(&holder, "Missing", QStringLiteral("1")), ConvertError);
}

TEST(AppendXmlText, AppendsTheFirstNodeOfTheText) {
    xml::Document doc;
    xml::Node root = doc.CreateElement(QStringLiteral("Root"));
    EXPECT_TRUE(AppendXmlText(root, QStringLiteral("<Item Name=\"甲\"><Sub/></Item>")));
    EXPECT_FALSE(AppendXmlText(root, QStringLiteral("<Item>")));
    EXPECT_FALSE(AppendXmlText(xml::Node(), QStringLiteral("<Item/>")));
    EXPECT_EQ(xml::Serialize(root), QStringLiteral("<Root><Item Name=\"甲\"><Sub/></Item></Root>"));
}

#include "SetPropertyTextTest.moc"
