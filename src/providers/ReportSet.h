#pragma once

#include "document/XmlDocument.h"
#include "providers/RptDocs.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace vevezo {

// --- the report-set XML (BVReports) ------------------------------------------------------------

// The report-set XML of the providers, with the shared sources (or each provider's own) that
// the designs use. The first provider's design is the frame source when one is given (a design
// supplied by the designer). Empty for no providers.
QString WriteReportSet(const QList<TRptDoc*>& providers, TRptDSOs* shared, bool coPages,
                       const QString& frameSource = {});

// Reads a parsed BVReports element into the collection: false when the root or its `url` is not
// a report set's. Throws ConvertError for a malformed CoPages or number; what was read stays.
bool ReadReportSet(TRptDocs& providers, xml::Node root, bool& coPages);

// --- report-set files and values ------------------------------------------------------------

// Loads a report set given as 8-bit text: report-set XML, content text of it, or the raw
// compressed bytes. False when none of them is a report set.
bool LoadReportSetText(TRptDocs& providers, const QByteArray& text, bool& coPages);
// Loads a report set given as its compressed bytes.
bool LoadReportSetBytes(TRptDocs& providers, const QByteArray& bytes, bool& coPages);
// A string, a parsed document (XmlData), or bytes; anything else fails.
bool LoadReportSetVariant(TRptDocs& providers, const QVariant& value, bool& coPages);
// Opens a report-set file in any of its forms, an HTML page saved by vevezo included (its
// viewer object's content is loaded). Throws Error when the file cannot be read.
bool OpenReportSetFile(TRptDocs& providers, const QString& fileName, bool& coPages);
// Saves the providers by the file's extension: .rpp the XML text, .zrp compressed, anything else
// an HTML page. Throws Error when the file cannot be written.
void SaveReportSet(const QString& fileName, const QList<TRptDoc*>& providers, TRptDSOs* shared,
                   bool coPages, const QString& frameSource = {});

// The HTML page that carries the report set, in its mail form (the viewer object inside a
// full-size table) or its page form; what a mail sender attaches and a user may save instead.
QString ReportSetPage(const QList<TRptDoc*>& providers, TRptDSOs* shared, bool coPages,
                      bool forMail, const QString& frameSource = {});

// --- data sources inside a report set ---------------------------------------------------------

// The names of the sources that the designs use: a source is used when a design binds to it
// (DataSource="N", or a field path DataField="N.…" or "[N].…") or names it in an expression
// ("([N]" or "{[N]"). Names compare without regard to letter case.
QStringList UsedSources(const QStringList& designs, TRptDSOs& sources);

// Appends a DataSources element with every open source (opening those not open) other than the
// System source, and only the used ones when a filter is given. Record sets are written as data
// packets.
void WriteDataSources(xml::Node parent, TRptDSOs& sources, const std::optional<QStringList>& used);

// Replaces the collection's sources by those of a DataSources element, the System source first.
void ReadDataSources(TRptDSOs& sources, xml::Node element);

// The providers a viewer shows: all but those marked deleted.
QList<TRptDoc*> ListLiveProviders(const TRptDocs& providers);

} // namespace vevezo
