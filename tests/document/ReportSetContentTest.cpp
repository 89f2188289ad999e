#include "document/ReportSetContent.h"

#include "ContentSamples.h"
#include "TestSupport.h"
#include "document/Compression.h"
#include "document/ContentText.h"
#include "document/HtmlPage.h"
#include "document/TextCodec.h"

#include <gtest/gtest.h>

using namespace vevezo;

namespace {

const QString kReportSet = SampleReportSet();

} // namespace

TEST(ReportSetContent, EveryFileFormGivesTheSameReportSet) {
    const QByteArray rpp = EncodeText(kReportSet);
    const QByteArray zrp = Compress(rpp);
    const QString sixBit = PackText(kReportSet, kPackSixBit).toString();
    const QString hex = PackText(kReportSet, kPackHex).toString();
    const struct {
        const char* form;
        QByteArray bytes;
    } cases[] = {
        {"xml text", rpp},
        {"xml text as UTF-8 with a mark", "\xEF\xBB\xBF" + kReportSet.toUtf8()},
        {"6-bit content text", EncodeText(sixBit)},
        {"6-bit content text, wrapped", EncodeText(WrapLines(sixBit, QStringLiteral("\n")))},
        {"hexadecimal content text", EncodeText(hex)},
        {"hexadecimal content text, wrapped", EncodeText(WrapLines(hex, QStringLiteral(" ")))},
        {"zlib stream", zrp},
    };
    for (const auto& c : cases) {
        xml::Document doc;
        const std::optional<QString> text = LoadReportSetContent(doc, c.bytes);
        ASSERT_TRUE(text.has_value()) << c.form;
        EXPECT_EQ(*text, kReportSet) << c.form;
        EXPECT_EQ(xml::NodeName(doc.Root()), QStringLiteral("BVReports")) << c.form;
        EXPECT_EQ(xml::AttrOr(xml::Child(doc.Root(), "Item"), "Name"), QStringLiteral("销售报表"))
            << c.form;
        EXPECT_EQ(ReportSetXmlText(c.bytes), text) << c.form;
    }
}

TEST(ReportSetContent, ZlibStreamThatLooksLikeTextIsFoundInTheLastStep) {
    const QByteArray zrp = Compress(EncodeText(kReportSet));
    ASSERT_EQ(zrp[0], 'x'); // the stream starts with a letter
    // Neither the text nor the content-text reading of the bytes gives the report set ...
    const QString asText = DecodeText(zrp);
    xml::Document doc;
    EXPECT_FALSE(doc.LoadXML(asText));
    EXPECT_EQ(UnpackText(asText, true), QString());
    // ... the raw stream does.
    EXPECT_EQ(ReportSetXmlText(zrp), kReportSet);
}

TEST(ReportSetContent, ContentThatGivesNoXmlGivesNothing) {
    const QByteArray zrp = Compress(EncodeText(kReportSet));
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"nothing", QByteArray()},
        {"blanks", "  \r\n"},
        {"plain words", "a report set, but not in any form"},
        {"unclosed markup", "<BVReports url=\"x\">"},
        {"hexadecimal that is no stream", "414243"},
        {"content text of a text that is no XML",
         EncodeText(PackText(QStringLiteral("just words"), kPackSixBit).toString())},
        {"stream of a text that is no XML", Compress("just words")},
        {"truncated stream", zrp.left(zrp.size() - 3)},
        {"corrupt stream", zrp.left(10) + QByteArray(8, '\xFF') + zrp.mid(18)},
    };
    for (const auto& c : cases) {
        xml::Document doc;
        EXPECT_EQ(LoadReportSetContent(doc, c.bytes), std::nullopt) << c.what;
        EXPECT_FALSE(doc.Root()) << c.what;
    }
}

TEST(ReportSetContent, OversizedStreamsGiveNothingUnderTheLimit) {
    const QString padded = QStringLiteral("<BVReports url=\"http://www.vevezo.org/\"><!--") +
                           QString(300 * 1024, u' ') + QStringLiteral("--></BVReports>");
    const QByteArray zrp = Compress(EncodeText(padded));
    const QByteArray content = EncodeText(PackText(padded, kPackSixBit).toString());
    EXPECT_EQ(ReportSetXmlText(zrp, 64 * 1024), std::nullopt);
    EXPECT_EQ(ReportSetXmlText(content, 64 * 1024), std::nullopt);
    EXPECT_EQ(ReportSetXmlText(zrp), padded);
    EXPECT_EQ(ReportSetXmlText(content), padded);
}

TEST(ReportSetContent, SavedHtmlPageParsesAsItselfAndCarriesTheReportSet) {
    const QString page = BuildHtmlPage(PackText(kReportSet, kPackSixBit).toString(), false);
    xml::Document doc;
    // The page is well-formed: the loader takes it as it is, and the reader will find no
    // report set at its root.
    ASSERT_TRUE(LoadReportSetContent(doc, EncodeText(page)).has_value());
    EXPECT_EQ(xml::NodeName(doc.Root()), QStringLiteral("HTML"));
    // Looking into the page finds the report set.
    const std::optional<QString> content = HtmlPageContent(page);
    ASSERT_TRUE(content.has_value());
    EXPECT_EQ(ReportSetXmlText(EncodeText(*content)), kReportSet);
}
