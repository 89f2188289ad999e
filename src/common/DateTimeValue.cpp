#include "common/DateTimeValue.h"

namespace vevezo {

QDateTime NaiveDateTime(const QDate& date, const QTime& time) {
    return QDateTime(date, time, Qt::UTC);
}

QDateTime DateTimeOfValue(const QVariant& value) {
    switch (value.metaType().id()) {
    case QMetaType::QDate:
        return NaiveDateTime(value.toDate());
    case QMetaType::QTime:
        return NaiveDateTime(QDate(1899, 12, 30), value.toTime());
    case QMetaType::QDateTime: {
        const QDateTime moment = value.toDateTime();
        return moment.timeSpec() == Qt::UTC ? moment : NaiveDateTime(moment.date(), moment.time());
    }
    default:
        return value.toDateTime();
    }
}

} // namespace vevezo
