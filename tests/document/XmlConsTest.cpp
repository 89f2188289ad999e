#include "common/Error.h"
#include "document/XmlCons.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace vevezo;

TEST(SetText, WritesSetBitsInOrder) {
    EXPECT_EQ(SetToText(0, false), QString());
    EXPECT_EQ(SetToText(0b101, false), QStringLiteral("0,2"));
    EXPECT_EQ(SetToText(0b101, true), QStringLiteral("[0,2]"));
    EXPECT_EQ(SetToText(0x80000000u, false), QStringLiteral("31"));
}

TEST(SetText, ReadsListsWithBracketsBlanksAndOutOfRangeNumbers) {
    const struct {
        const char* text;
        quint32 bits;
    } cases[] = {{"", 0},       {"[]", 0},       {"0,2", 0b101}, {"[0, 2]", 0b101},
                 {"3 1", 0b1010}, {"0,32,-1", 1}, {"31", 0x80000000u}, {"1,,1", 0b10}};
    for (const auto& c : cases) {
        EXPECT_EQ(SetFromText(QString::fromUtf8(c.text)), c.bits) << c.text;
    }
    EXPECT_THROW(SetFromText(QStringLiteral("0,bold")), ConvertError);
}

TEST(FontXml, ArialTenBoldRedRoundTrips) {
    RptFont font = RptFont::PageFont();
    font.face = QStringLiteral("Arial");
    font.SetSize(10);
    font.color = clRed;
    font.SetStyle(fsBold, true);
    xml::Document doc;
    xml::Node node = doc.CreateElement(QStringLiteral("Font"));
    FontToXml(font, node);
    EXPECT_EQ(xml::Serialize(node),
              QStringLiteral("<Font Face=\"Arial\" AbsoluteSize=\"10\" Height=\"-13\" "
                             "Charset=\"134\" Color=\"#0000FF\" Style=\"0\"/>"));

    RptFont back = RptFont::PageFont();
    FontFromXml(back, node);
    EXPECT_EQ(back.face, QStringLiteral("Arial"));
    EXPECT_EQ(back.size, 10);
    EXPECT_EQ(back.height, -13);
    EXPECT_EQ(back.color, clRed);
    EXPECT_TRUE(back.HasStyle(fsBold));
    EXPECT_TRUE(SameFont(font, back));
}

TEST(FontXml, HtmlModeWritesSizeAndNothingElse) {
    RptFont font = RptFont::PageFont();
    font.SetSize(14);
    font.pitch = 2;
    font.SetStyle(fsItalic, true);
    xml::Document doc;
    xml::Node node = doc.CreateElement(QStringLiteral("Font"));
    FontToXml(font, node, true);
    EXPECT_EQ(xml::Serialize(node), QStringLiteral("<Font Face=\"宋体\" Size=\"4\"/>"));

    const int sizes[][2] = {{3, 7}, {4, 1}, {7, 1}, {8, 2}, {9, 2}, {10, 3}, {13, 3}, {14, 4},
                            {17, 4}, {18, 5}, {23, 5}, {24, 6}, {35, 6}, {36, 7}};
    for (const auto& s : sizes) {
        EXPECT_EQ(HtmlFontSize(s[0]), s[1]) << s[0];
    }
}

TEST(FontXml, ReaderIgnoresHeightAndTakesBracketedStyles) {
    xml::Document doc;
    ASSERT_TRUE(doc.LoadXML(QStringLiteral(
        "<Font Face=\"黑体\" AbsoluteSize=\"12\" Height=\"-99\" Pitch=\"1\" Style=\"[1,3,40]\"/>")));
    RptFont font = RptFont::PageFont();
    FontFromXml(font, doc.Root());
    EXPECT_EQ(font.height, -16);
    EXPECT_EQ(font.pitch, 1);
    EXPECT_EQ(font.style, (1u << fsItalic) | (1u << fsStrikeOut));
    EXPECT_EQ(font.charset, 134); // kept when absent

    ASSERT_TRUE(doc.LoadXML(QStringLiteral("<Font AbsoluteSize=\"9pt\"/>")));
    EXPECT_THROW(FontFromXml(font, doc.Root()), ConvertError);
}

TEST(FontXml, DefaultFontRule) {
    RptFont font = RptFont::PageFont();
    EXPECT_TRUE(IsDefaultFont(font));
    font.charset = 1; // character set and pitch do not count
    font.pitch = 2;
    EXPECT_TRUE(IsDefaultFont(font));
    const auto differs = [](auto change) {
        RptFont f = RptFont::PageFont();
        change(f);
        return !IsDefaultFont(f);
    };
    EXPECT_TRUE(differs([](RptFont& f) { f.color = clRed; }));
    EXPECT_TRUE(differs([](RptFont& f) { f.SetSize(10); }));
    EXPECT_TRUE(differs([](RptFont& f) { f.SetStyle(fsUnderline, true); }));
    EXPECT_TRUE(differs([](RptFont& f) { f.face = QStringLiteral("宋体 "); }));
}

TEST(Hex, BytesWriteAsUpperCaseDigits) {
    EXPECT_EQ(BytesToHex(QByteArray("\x00\x1f\xab\xff", 4)), QStringLiteral("001FABFF"));
    EXPECT_EQ(BytesToHex({}), QString());
    QByteArray forty;
    for (int i = 0; i < 40; ++i) {
        forty.append(static_cast<char>(i * 7));
    }
    EXPECT_EQ(BytesToHex(forty).size(), 80);
    EXPECT_EQ(HexToBytes(BytesToHex(forty)), forty);
}

TEST(Hex, DecodingSkipsBlanksBetweenPairsAndStopsAtOtherText) {
    const struct {
        const char* text;
        QByteArray bytes;
    } cases[] = {
        {"0aFf", QByteArray("\x0a\xff", 2)},
        {"\r\n    0A0B\r\n    0C", QByteArray("\x0a\x0b\x0c", 3)},
        {"0A 0B\t0C", QByteArray("\x0a\x0b\x0c", 3)},
        {"0A0G0B", QByteArray("\x0a", 1)},
        {"0A0 B0", QByteArray("\x0a", 1)}, // a lone digit ends the data
        {"0A0", QByteArray("\x0a", 1)},
        {"", QByteArray()},
        {"zz", QByteArray()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HexToBytes(QString::fromLatin1(c.text)), c.bytes) << c.text;
    }
}
