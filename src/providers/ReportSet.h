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
