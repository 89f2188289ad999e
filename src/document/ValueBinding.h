#pragma once

#include <QString>
#include <QVariant>
#include <functional>

class QObject;

namespace vevezo {

// What a bound value is: the field's value, caption, sum or count, an expression, ...
enum EnumRptBoundDataType : int {
    rdtNone = 0,
    rdtDataValue = 1,
    rdtDataCaption = 2,
    rdtDataSum = 3,
    rdtDataCount = 4,
    rdtDBSet = 5,
    rdtDBSQL = 6,
    rdtExpress = 7,
    // Added to a kind when the field's value list applies.
    rdtDataListMask = 4095
};

// An element's (or cell's) binding to a data source.
struct ValueBinding {
    int dataType = rdtNone;
    QString dataSource;
    QString dataField;
    int formatType = 0;
    QString format;
};

// The kind of a data type without the value-list mark.
int BoundKind(int dataType);

// What a bound element shows in the designer instead of data: "Caption(field)", "Sum(field)",
// "Count(field)" or the field itself.
QString BindingPlaceholder(int dataType, const QString& dataField);

// The page's value lookup as elements call it (GetRptSourceData of the report page); an empty
// function when the report has no data sources.
using ValueLookup = std::function<QVariant(const QObject* element, int elementType,
                                           const ValueBinding& binding, int row, int subRow)>;

} // namespace vevezo
