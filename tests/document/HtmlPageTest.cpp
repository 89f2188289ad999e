#include "document/HtmlPage.h"

#include "TestSupport.h"
#include "document/ContentText.h"

#include <gtest/gtest.h>

using namespace vevezo;

namespace {

const char* const kObjectStart =
    "<OBJECT CLASSID=\"clsid:0C1C4692-F7D2-4235-987C-20A241011BAD\" "
    "codeBase=\"http://www.vevezo.org/download/vevezo-viewer.cab#version=2.2.1.0\" "
    "ID=\"BVReportView1\" WIDTH=\"100%\" HEIGHT=\"100%\">\r\n"
    "<PARAM NAME=\"Content\" VALUE=\"pGu\"/>\r\n</OBJECT>";

QString Page(const QString& body) {
    return QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n"
                          "<HTML>\r\n<HEAD>\r\n<TITLE>晨岚报表文档</TITLE>\r\n</HEAD>\r\n"
                          "<BODY>\r\n") +
           body + QStringLiteral("</BODY>\r\n</HTML>");
}

} // namespace

TEST(HtmlPage, SavedPageHoldsTheObjectInItsBody) {
    EXPECT_EQ(BuildHtmlPage(QStringLiteral("pGu"), false), Page(QString::fromUtf8(kObjectStart)));
}

TEST(HtmlPage, MailPageHoldsTheObjectInAFullSizeTable) {
    const QString table =
        QStringLiteral("<TABLE BORDER=\"0\" CELLPADDING=\"0\" CELLSPACING=\"0\" HEIGHT=\"100%\" "
                       "WIDTH=\"100%\">\r\n<TR><TD HEIGHT=\"100%\" WIDTH=\"100%\">\r\n") +
        QString::fromUtf8(kObjectStart) + QStringLiteral("</TD></TR>\r\n</TABLE>");
    EXPECT_EQ(BuildHtmlPage(QStringLiteral("pGu"), true), Page(table));
}

TEST(HtmlPage, ContentComesBackOutOfBothForms) {
    const QString xml =
        QStringLiteral("<BVReports url=\"http://www.vevezo.org/\"><Item/></BVReports>");
    const QString content = PackText(xml, kPackSixBit).toString();
    for (const bool forMail : {false, true}) {
        const std::optional<QString> found = HtmlPageContent(BuildHtmlPage(content, forMail));
        ASSERT_TRUE(found.has_value()) << forMail;
        EXPECT_EQ(*found, content);
        EXPECT_EQ(UnpackText(*found, true), xml);
    }
    // Markup characters in the value are escaped on the way in and restored on the way out.
    const QString odd = QStringLiteral("a\"<b>&'c");
    EXPECT_EQ(HtmlPageContent(BuildHtmlPage(odd, false)), odd);
}

TEST(HtmlPage, ContentIsFoundWhateverTheLetterCase) {
    const struct {
        const char* page;
        std::optional<QString> content;
    } cases[] = {
        {"<html><body><object><param name='content' value='abc'/></object></body></html>",
         QStringLiteral("abc")},
        {"<Html><Object><PARAM Name='X' Value='1'/><Param NAME='CONTENT' VALUE='abc'/></Object>"
         "</Html>",
         QStringLiteral("abc")},
        {"<HTML><OBJECT><PARAM NAME='Other' VALUE='1'/></OBJECT><DIV><OBJECT>"
         "<PARAM NAME='Content' VALUE='second'/></OBJECT></DIV></HTML>",
         QStringLiteral("second")},
        {"<HTML><OBJECT><PARAM NAME='Content'/></OBJECT></HTML>", std::nullopt},
        {"<HTML><OBJECT><PARAM NAME='Content' VALUE=''/></OBJECT></HTML>", QString()},
        {"<HTML><BODY>no object</BODY></HTML>", std::nullopt},
        {"<BVReports><OBJECT><PARAM NAME='Content' VALUE='abc'/></OBJECT></BVReports>",
         std::nullopt},
        {"<HTML><BODY><OBJECT><PARAM NAME='Content' VALUE='abc'></OBJECT></HTML>",
         std::nullopt}, // not well-formed
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HtmlPageContent(QString::fromUtf8(c.page)), c.content) << c.page;
    }
}

TEST(HtmlPage, WrappedContentStillUnpacks) {
    const QString xml = QStringLiteral("<BVReports url=\"http://www.vevezo.org/\"/>");
    QString content = PackText(xml + QString(400, u' '), kPackSixBit).toString();
    content.insert(20, QStringLiteral("\r\n"));
    const std::optional<QString> found = HtmlPageContent(BuildHtmlPage(content, false));
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(UnpackText(*found, true), xml + QString(400, u' '));
}
