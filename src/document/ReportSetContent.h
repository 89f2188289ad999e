#pragma once

#include "document/Compression.h"
#include "document/XmlDocument.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace vevezo {

// Finds the report-set XML in the content of a file or value, trying in turn:
//  1. the bytes as 8-bit text, parsed as XML (the .rpp form);
//  2. that text as content text, hexadecimal or 6-bit, inflated and parsed;
//  3. the bytes as a raw zlib stream, inflated and parsed (the .zrp form).
// On success `doc` holds the parsed document and the text that parsed is returned; otherwise
// nothing (and `doc` is empty). Whether the root really is a report set is the reader's check:
// any well-formed XML, an HTML page saved as XML included, is accepted here.
std::optional<QString> LoadReportSetContent(xml::Document& doc, const QByteArray& bytes,
                                            qsizetype inflateLimit = kMaxInflatedSize);

// The same, for a caller that only needs the text.
std::optional<QString> ReportSetXmlText(const QByteArray& bytes,
                                        qsizetype inflateLimit = kMaxInflatedSize);

} // namespace vevezo
