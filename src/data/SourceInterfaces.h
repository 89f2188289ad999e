#pragma once

#include "document/RptInterfaces.h"
#include "document/ValueBinding.h"

#include <QString>
#include <QVariant>
#include <memory>

namespace vevezo {

class Connection;
class TRptDSOs;

// Kinds of data source.
enum EnumRptDSType : int { rptDSUnknown = 0, rptDSxml = 1, rptDSdb = 2, rptDSxmldb = 3 };

// Aggregate kinds asked of a source.
enum EnumRptAggType : int { rptAggSum = 0, rptAggCount = 1 };

// Which format applies to a bound value.
enum EnumRptBoundFormatType : int { rftNone = 0, rftDefault = 1, rftDefine = 2 };

// Dispatch numbers of the data-source members, as hosts address them.
enum RptSourceDispId : int {
    dispSourceDataName = 1,
    dispSourceSource = 2,
    dispSourceData = 3,
    dispSourceDataType = 4,
    dispSourceParsed = 5,
    dispSourceOpen = 6,
    dispSourceAssignFrom = 7,
    dispSourceXMLFields = 8,
    dispSourceIsMain = 9,
    dispSourceMainDoc = 10,
    dispSourceGetAggregateValue = 11,
};

// Dispatch numbers of the data-source collection's members.
enum RptSourcesDispId : int {
    dispSourcesAdd = 1,
    dispSourcesInsert = 2,
    dispSourcesCount = 3,
    dispSourcesClear = 4,
    dispSourcesDelete = 5,
    dispSourcesItems = 6,
    dispSourcesConnection = 7,
    dispSourcesAssignFrom = 8,
    dispSourcesDBDocXML = 9,
    dispSourcesAddSystemSource = 0xa,
    dispSourcesIndexOf = 0xb,
    dispSourcesMainIndex = 0xc,
    dispSourcesConnectionString = 0x17,
    dispSourcesGetParsedRichText = 0x12f,
    dispSourcesTransAdoToXml = 0x131,
    dispSourcesTransXmlToAdo = 0x132,
    dispSourcesNewEnum = -4,
};

// A source's link to the collection that made it.
class IRptSourceLink {
public:
    virtual ~IRptSourceLink() = default;
    virtual QString ResolvedName() const = 0;
    virtual TRptDSOs* Owner() const = 0;
    virtual void SetOwner(TRptDSOs* owner) = 0;
};

// Conversions between record sets and data packets offered by a collection.
class IRptSourcesAdo {
public:
    virtual ~IRptSourcesAdo() = default;
    virtual QString TransAdoToXml(const QVariant& records, const QVariant& description) = 0;
    virtual QVariant TransXmlToAdo(const QVariant& packet) = 0;
};

// The shared database connection of a collection.
class IRptSourcesConnection {
public:
    virtual ~IRptSourcesConnection() = default;
    virtual std::shared_ptr<Connection> GetConnection() const = 0;
};

} // namespace vevezo
