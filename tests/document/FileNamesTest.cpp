#include "document/FileNames.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace vevezo;

TEST(StripQuotes, DropsALeadingThenATrailingQuote) {
    const struct {
        const char* commandLine;
        const char* fileName;
    } cases[] = {
        {"", ""},
        {"\"", ""},
        {"\"\"", ""},
        {"report.zrp", "report.zrp"},
        {"\"/home/报表/月报.zrp\"", "/home/报表/月报.zrp"},
        {"\"a b.rpp", "a b.rpp"},     // leading quote without a closing one
        {"\"a.rpp\"  ", "a.rpp\"  "}, // blanks after the closing quote keep it
        {"a.rpp\"", "a.rpp"},         // a trailing quote alone is dropped too
        {"  \"a.rpp\"", "  \"a.rpp"}, // nothing is trimmed
        {"\"\"a\"\"", "\"a\""},       // one quote at each end only
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StripQuotes(QString::fromUtf8(c.commandLine)), QString::fromUtf8(c.fileName))
            << c.commandLine;
    }
}

TEST(FileFormForName, ExtensionChoosesTheFormLetterCaseIgnored) {
    const struct {
        const char* fileName;
        ReportSetFileForm form;
    } cases[] = {
        {"a.rpp", ReportSetFileForm::XmlText},
        {"/x/报表.RPP", ReportSetFileForm::XmlText},
        {"a.zrp", ReportSetFileForm::Compressed},
        {"a.ZRP", ReportSetFileForm::Compressed},
        {"a.tar.Zrp", ReportSetFileForm::Compressed},
        {"a.htm", ReportSetFileForm::HtmlPage},
        {"a.html", ReportSetFileForm::HtmlPage},
        {"a.txt", ReportSetFileForm::HtmlPage},
        {"a", ReportSetFileForm::HtmlPage},
        {"a.", ReportSetFileForm::HtmlPage},
        {"a.rppx", ReportSetFileForm::HtmlPage},
        {"dir.rpp/report", ReportSetFileForm::HtmlPage},
        {"dir.zrp/.rpp", ReportSetFileForm::XmlText},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileFormForName(QString::fromUtf8(c.fileName)), c.form) << c.fileName;
    }
}
