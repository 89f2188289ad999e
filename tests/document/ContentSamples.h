#pragma once

#include <QString>

// Inputs shared by the tests of content text and report-set loading.

// A small report set with Chinese text, white space and both kinds of line break.
inline QString SampleReportSet() {
    return QStringLiteral(
        "<BVReports url=\"http://www.vevezo.org/\">\r\n  <Item Name=\"销售报表\" ReportID=\"1\" "
        "Default=\"-1\" Tag=\"0\"><BVReport Title=\"月报\"/></Item>\n</BVReports>");
}

// The text with a line break after every 76 characters, as mail and editors wrap long lines.
inline QString WrapLines(const QString& text, const QString& lineBreak = QStringLiteral("\r\n")) {
    QString wrapped;
    for (qsizetype i = 0; i < text.size(); i += 76) {
        wrapped += text.mid(i, 76) + lineBreak;
    }
    return wrapped;
}
