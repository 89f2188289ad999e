#include "document/ValueBinding.h"

namespace vevezo {

int BoundKind(int dataType) {
    return dataType >= rdtDataListMask ? dataType - rdtDataListMask : dataType;
}

QString BindingPlaceholder(int dataType, const QString& dataField) {
    switch (BoundKind(dataType)) {
    case rdtDataCaption:
        return QStringLiteral("Caption(%1)").arg(dataField);
    case rdtDataSum:
        return QStringLiteral("Sum(%1)").arg(dataField);
    case rdtDataCount:
        return QStringLiteral("Count(%1)").arg(dataField);
    default:
        return dataField;
    }
}

} // namespace vevezo
