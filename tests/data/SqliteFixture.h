#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A real SQLite database file made for one test: customers, their orders and the items of each
// order, plus a table with one column of every declared type the engine maps.
class SqliteFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        path_ = dir_.filePath(QStringLiteral("orders.db"));
        Run({
            "CREATE TABLE customers (id INTEGER PRIMARY KEY, name VARCHAR(20), city TEXT)",
            "INSERT INTO customers VALUES (1, '华北商贸', '北京'), (2, 'Acme', 'Shanghai'), "
            "(3, '空客户', NULL)",
            "CREATE TABLE orders (id INTEGER PRIMARY KEY, customer INTEGER, amount NUMERIC(10,2), "
            "placed DATE)",
            "INSERT INTO orders VALUES (10, 1, 120.5, '2024-01-05'), (11, 1, 80, '2024-02-01'), "
            "(12, 2, 300.25, '2024-03-10')",
            "CREATE TABLE items (id INTEGER PRIMARY KEY, order_id INTEGER, product VARCHAR(30), "
            "qty INTEGER)",
            "INSERT INTO items VALUES (100, 10, '纸', 5), (101, 10, '笔', 2), (102, 11, '墨', 1), "
            "(103, 12, 'Desk', 1), (104, 12, 'Lamp', 3), (105, 12, 'Chair', 2)",
            "CREATE TABLE kinds (i INT, b BIGINT, r REAL, d DOUBLE, n NUMERIC(10,2), "
            "m MONEY, v VARCHAR(20), c CHAR(4), t TEXT, bl BLOB, dt DATE, tm TIME, "
            "ts DATETIME, f BOOLEAN, small SMALLINT)",
            "INSERT INTO kinds VALUES (7, 9000000000, 1.5, 2.25, 12.34, 5.5, 'abc', 'ab', "
            "'long text', x'00FF10', '2024-01-05', '13:30:00', '2024-01-05 13:30:00', 1, 3)",
            "INSERT INTO kinds VALUES (NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, "
            "NULL, NULL, NULL, NULL, NULL, NULL)",
        });
    }

    void Run(std::initializer_list<const char*> statements) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                        QStringLiteral("fixture"));
            db.setDatabaseName(path_);
            ASSERT_TRUE(db.open());
            for (const char* statement : statements) {
                QSqlQuery query(db);
                ASSERT_TRUE(query.exec(QString::fromUtf8(statement)))
                    << statement << ": " << query.lastError().text().toStdString();
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
    }

    QString Sqlite() const { return QStringLiteral("Provider=SQLite;Data Source=") + path_; }

    QTemporaryDir dir_;
    QString path_;
};
