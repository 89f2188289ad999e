#pragma once

#include <QString>

namespace vevezo {

// A file name handed over on a command line: a leading double quote is dropped, then a trailing
// one. Nothing else is trimmed, so "\"a\" " keeps its closing quote and blank. Empty means no
// file.
QString StripQuotes(const QString& commandLine);

// The form a report set is saved in, chosen by the file's extension (letter case ignored).
enum class ReportSetFileForm {
    XmlText,    // .rpp: the report-set XML in the 8-bit code page
    Compressed, // .zrp: the XML compressed into one zlib stream
    HtmlPage,   // anything else (.htm, .html, none): the HTML page with the 6-bit content text
};

ReportSetFileForm FileFormForName(const QString& fileName);

} // namespace vevezo
