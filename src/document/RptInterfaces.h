#pragma once

#include <QString>
#include <QVariant>

namespace vevezo {

// Answers the page-information codes 1 to 7 (page number, page count, ...) while a page is made.
class IRptPageInfoEnumerator {
public:
    virtual ~IRptPageInfoEnumerator() = default;
    virtual int GetPageInfo(int code) = 0;
};

// The value lookup of a data-source collection.
class IRptSourcesValues {
public:
    virtual ~IRptSourcesValues() = default;
    virtual QVariant GetValue(int dataType, const QString& dataSource, const QString& dataField,
                              int formatType, const QString& format, int row, int subRow,
                              IRptPageInfoEnumerator* pageInfo) = 0;
};

// Provider states a report page reads and sets.
enum RptProviderState : int { rpsUnspecial = 0, rpsDirty = 1, rpsAdded = 2, rptDeleted = 3 };

// What a report page needs of the report provider whose design it shows.
class IRptDesignProvider {
public:
    virtual ~IRptDesignProvider() = default;
    virtual QString XML() const = 0;
    virtual void SetXML(const QString& xml) = 0;
    virtual int State() const = 0;
    virtual void SetState(int state) = 0;
    // The provider's data sources as a value lookup, or none when they offer no lookup.
    virtual IRptSourcesValues* SourcesValues() = 0;
    // Opens every data source that is not open yet; only database-bound ones when asked.
    virtual void OpenUnparsedSources(bool databaseOnly) = 0;
};

} // namespace vevezo
