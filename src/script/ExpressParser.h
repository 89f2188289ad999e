#pragma once

#include "document/RptInterfaces.h"

#include <QString>
#include <QVariant>
#include <optional>

namespace vevezo {

// Evaluates the expression of an element bound as an expression: every {reference} is looked up
// in the data sources (a field path, "SUM(path)", "COUNT(path)" or "CAPTION(path)", optionally
// followed by "?format"), then the text is computed when every value was a number. Made for one
// evaluation.
class TExpressParser {
public:
    TExpressParser(const QString& expression, IRptPageInfoEnumerator* pageInfo, int subRow,
                   int row, const QString& defaultSource, IRptSourcesValues* lookup);

    // A number when the expression computed, else the text; a computed number gives way to
    // the collected messages when a reference could not be resolved.
    const QVariant& Value() const { return value_; }

    // The value text of one reference, or nothing when it has no value.
    std::optional<QString> Resolve(const QString& reference) const;

private:
    IRptPageInfoEnumerator* pageInfo_;
    int subRow_;
    int row_;
    QString defaultSource_;
    IRptSourcesValues* lookup_;
    QVariant value_;
};

} // namespace vevezo
