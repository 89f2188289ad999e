#pragma once

#include <QDateTime>
#include <QVariant>

namespace vevezo {

// Report dates and times have no time zone. They are held as date-times in UTC, so that no
// zone rules (and no look-ups of the system's zone files) are involved in making or comparing
// them; only their date and time of day are ever read.
QDateTime NaiveDateTime(const QDate& date, const QTime& time = QTime(0, 0));

// A date value as a date-time: a QDateTime keeps its date and time of day, a QDate is midnight,
// and a QTime alone falls on 1899-12-30, where the automation date numbering starts.
QDateTime DateTimeOfValue(const QVariant& value);

} // namespace vevezo
