#pragma once

#include "data/Recordset.h"

#include <QString>

namespace vevezo {

// An open database, named by a connection string:
//   Provider=SQLite;Data Source=orders.db        Driver=QSQLITE;Database=orders.db
//   orders.db                                    (a path to an SQLite file)
//   Provider=PostgreSQL;Host=h;Port=5432;Database=d;User ID=u;Password=p
//   DSN=name;UID=u;PWD=p                          Driver={SQLite3 ODBC Driver};Database=x.db
//   Provider=MSDataShape;Data Provider=NONE;      (no database: hand-made shaped records)
//   Provider=MSDataShape;Data Provider=SQLite;Data Source=orders.db   (shaping over SQLite)
// Commands are queries of the database or shaping commands.
class Connection {
public:
    // Throws Error when the database cannot be opened or its driver is not installed.
    explicit Connection(const QString& connectionString);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const QString& ConnectionString() const { return text_; }
    bool HasDatabase() const { return !name_.isEmpty(); }

    // Runs a query or a shaping command and loads all its records.
    RecordsetPtr Execute(const QString& command);

private:
    std::shared_ptr<RecordTable> Query(const QString& sql);

    QString text_;
    QString name_; // the Qt connection name; empty without a database
};

} // namespace vevezo
