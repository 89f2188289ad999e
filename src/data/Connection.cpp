#include "data/Connection.h"

#include "common/Error.h"
#include "common/Messages.h"
#include "data/ConnectionString.h"
#include "data/Shaper.h"
#include "data/SqlTable.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>

namespace vevezo {

namespace {

bool Is(const QString& value, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (value.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

QString NewConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("vevezo-%1").arg(counter.fetchAndAddRelaxed(1));
}

[[noreturn]] void CannotConnect(const QString& why) {
    throw Error(QString::fromUtf8(msg::CannotConnect).arg(why));
}

QSqlDatabase AddDatabase(const QString& driver, const QString& name) {
    if (!QSqlDatabase::isDriverAvailable(driver)) {
        CannotConnect(QString::fromUtf8(msg::NoDriver).arg(driver));
    }
    return QSqlDatabase::addDatabase(driver, name);
}

void OpenSqlite(QSqlDatabase& db, const QString& path) {
    if (path != QLatin1String(":memory:") && !QFileInfo(path).isFile()) {
        CannotConnect(QString::fromUtf8(msg::NoSuchFile).arg(path));
    }
    db.setDatabaseName(path);
}

} // namespace

Connection::Connection(const QString& connectionString) : text_(connectionString) {
    const vevezo::ConnectionString cs(connectionString);
    QString provider = cs.Value({"Provider"});
    if (provider.startsWith(QLatin1String("MSDataShape"), Qt::CaseInsensitive)) {
        provider = cs.Value({"Data Provider"});
        if (Is(provider, {"NONE"})) {
            return;
        }
    }
    const QString driver = cs.Value({"Driver"});
    const QString name = NewConnectionName();
    {
        QSqlDatabase db;
        if (!connectionString.contains(u'=')) {
            db = AddDatabase(QStringLiteral("QSQLITE"), name);
            OpenSqlite(db, connectionString.trimmed());
        } else if (Is(provider, {"SQLite", "SQLite3", "System.Data.SQLite"}) ||
                   Is(driver, {"QSQLITE"})) {
            db = AddDatabase(QStringLiteral("QSQLITE"), name);
            OpenSqlite(db, cs.Value({"Data Source", "Database", "DBQ"}));
        } else if (Is(provider, {"PostgreSQL", "PgSQL", "Npgsql"}) || Is(driver, {"QPSQL"})) {
            db = AddDatabase(QStringLiteral("QPSQL"), name);
            db.setHostName(cs.Value({"Host", "Server", "Data Source"}));
            const QString port = cs.Value({"Port"});
            if (!port.isEmpty()) {
                db.setPort(port.toInt());
            }
            db.setDatabaseName(cs.Value({"Database", "Initial Catalog"}));
            db.setUserName(cs.Value({"User ID", "UID", "User", "Username"}));
            db.setPassword(cs.Value({"Password", "PWD"}));
        } else if (cs.Has("DSN") || !driver.isEmpty()) {
            // The ODBC driver manager reads the whole string itself.
            db = AddDatabase(QStringLiteral("QODBC"), name);
            db.setDatabaseName(connectionString);
        } else {
            QSqlDatabase::removeDatabase(name);
            CannotConnect(QString::fromUtf8(msg::UnknownProvider).arg(connectionString));
        }
        if (!db.open()) {
            const QString why = db.lastError().text();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            CannotConnect(why);
        }
    }
    name_ = name;
}

Connection::~Connection() {
    if (name_.isEmpty()) {
        return;
    }
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

std::shared_ptr<RecordTable> Connection::Query(const QString& sql) {
    if (name_.isEmpty()) {
        throw Error(QString::fromUtf8(msg::NoDatabase));
    }
    return QueryTable(QSqlDatabase::database(name_, false), sql);
}

RecordsetPtr Connection::Execute(const QString& command) {
    const auto query = [this](const QString& sql) { return Query(sql); };
    if (ShapeCommand::IsShape(command)) {
        return Recordset::Over(RunShape(ShapeCommand::Parse(command), query));
    }
    return Recordset::Over(Query(command));
}

} // namespace vevezo
