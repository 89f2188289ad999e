#pragma once

#include "data/Recordset.h"

#include <QSqlDatabase>
#include <memory>

namespace vevezo {

// The column type of a database's declared type ("VARCHAR(20)", "NUMERIC(10,2)", "BLOB", ...).
struct ColumnType {
    int type = adVarWChar;
    int size = 0;
    int attributes = 0;
};
ColumnType ColumnTypeOfDeclared(const QString& declared, int lengthHint = -1);

// Converts a database value to the kind the column type holds (dates from text, exact numbers
// as decimals, ...); null stays null.
QVariant ColumnValue(const QVariant& raw, int type);

// Runs a query and loads all its rows. Throws Error with the database's message on failure.
std::shared_ptr<RecordTable> QueryTable(const QSqlDatabase& db, const QString& sql);

} // namespace vevezo
