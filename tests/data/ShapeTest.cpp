#include "SqliteFixture.h"
#include "TestSupport.h"
#include "common/Error.h"
#include "data/Connection.h"
#include "data/ShapeCommand.h"

#include <gtest/gtest.h>

using namespace vevezo;

namespace {

// "id:child ids" for every record, walking the chapter column of each.
QStringList Tree(Recordset& rs, const QString& chapter, const QString& key = QStringLiteral("id")) {
    QStringList lines;
    const int column = rs.FieldIndex(chapter);
    for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext()) {
        RecordsetPtr nested = rs.Chapter(column);
        QStringList children;
        for (nested->MoveFirst(); !nested->IsEOF(); nested->MoveNext()) {
            children << nested->Value(key).toString();
        }
        lines << rs.Value(key).toString() + QLatin1Char(':') + children.join(QLatin1Char(','));
    }
    return lines;
}

} // namespace

using Shaping = SqliteFixture;

TEST_F(Shaping, NestedShapesKeepEveryLevelRelated) {
    Connection connection(Sqlite());
    RecordsetPtr customers = connection.Execute(QStringLiteral(
        "SHAPE {SELECT * FROM customers ORDER BY id} "
        "APPEND ((SHAPE {SELECT * FROM orders ORDER BY id} "
        "         APPEND ({SELECT * FROM items ORDER BY id} RELATE id TO order_id) AS Items) "
        "        RELATE id TO customer) AS Orders"));
    EXPECT_EQ(Tree(*customers, QStringLiteral("Orders")), (QStringList{"1:10,11", "2:12", "3:"}));
    const int orders = customers->FieldIndex(QStringLiteral("orders"));
    EXPECT_EQ(customers->Field(orders).type, adChapter);

    customers->MoveFirst();
    RecordsetPtr firstOrders = customers->Chapter(orders);
    EXPECT_EQ(Tree(*firstOrders, QStringLiteral("Items")), (QStringList{"10:100,101", "11:102"}));
    customers->MoveNext();
    RecordsetPtr secondOrders = customers->Value(orders).value<RecordsetPtr>();
    EXPECT_EQ(Tree(*secondOrders, QStringLiteral("Items")), (QStringList{"12:103,104,105"}));
    customers->MoveNext();
    RecordsetPtr none = customers->Chapter(orders);
    EXPECT_TRUE(none->IsBOF() && none->IsEOF());
}

TEST_F(Shaping, SeveralChaptersAndDatabaseShapingProvider) {
    Connection connection(QStringLiteral("Provider=MSDataShape;Data Provider=SQLite;Data Source=") +
                          path_);
    RecordsetPtr orders = connection.Execute(QStringLiteral(
        "SHAPE {SELECT * FROM orders ORDER BY id} AS o "
        "APPEND ({SELECT * FROM items ORDER BY id} AS i RELATE id TO order_id) AS Items, "
        "({SELECT * FROM customers} RELATE customer TO id) AS Buyer, NEW adVarWChar(10) AS Note"));
    EXPECT_EQ(Tree(*orders, QStringLiteral("Items")),
              (QStringList{"10:100,101", "11:102", "12:103,104,105"}));
    EXPECT_EQ(Tree(*orders, QStringLiteral("Buyer")), (QStringList{"10:1", "11:1", "12:2"}));
    const int note = orders->FieldIndex(QStringLiteral("Note"));
    EXPECT_EQ(orders->Field(note).type, adVarWChar);
    EXPECT_EQ(orders->Field(note).definedSize, 10);
}

TEST(ShapingByHand, FabricatedRecordsStayWithTheirHolders) {
    Connection connection(QStringLiteral("Provider=MSDataShape;Data Provider=NONE;"));
    EXPECT_FALSE(connection.HasDatabase());
    RecordsetPtr top = connection.Execute(QStringLiteral(
        "SHAPE APPEND NEW adInteger AS _Temp_DataShape_ID_,NEW adVarWChar(20) AS Name,"
        "((SHAPE APPEND NEW adInteger AS _Temp_DataShape_ID_,NEW adVarWChar(20) AS Name,"
        "((SHAPE APPEND NEW adInteger AS _Temp_DataShape_ID_,NEW adDouble AS Qty) AS Parts "
        "RELATE _Temp_DataShape_ID_ TO _Temp_DataShape_ID_)) AS Items "
        "RELATE _Temp_DataShape_ID_ TO _Temp_DataShape_ID_)"));
    const int name = top->FieldIndex(QStringLiteral("Name"));
    const int items = top->FieldIndex(QStringLiteral("Items"));
    ASSERT_GE(items, 0);
    // Two holders, each with two items, each item with its own parts; the id columns are all
    // equal, so only the records' placement can relate them.
    for (const char* holder : {"A", "B"}) {
        top->AddNew();
        top->SetValue(name, QString::fromLatin1(holder));
        RecordsetPtr nested = top->Chapter(items);
        for (int i = 1; i <= 2; ++i) {
            nested->AddNew();
            nested->SetValue(0, 1);
            nested->SetValue(1, QStringLiteral("%1%2").arg(QLatin1String(holder)).arg(i));
            RecordsetPtr parts = nested->Chapter(nested->FieldIndex(QStringLiteral("Parts")));
            parts->AddNew();
            parts->SetValue(0, 1);
            parts->SetValue(1, i * 10.0);
        }
    }
    QStringList seen;
    for (top->MoveFirst(); !top->IsEOF(); top->MoveNext()) {
        RecordsetPtr nested = top->Chapter(items);
        for (nested->MoveFirst(); !nested->IsEOF(); nested->MoveNext()) {
            RecordsetPtr parts = nested->Chapter(2);
            ASSERT_EQ(parts->RecordCount(), 1);
            seen << nested->Value(1).toString() + QLatin1Char('=') + parts->Value(1).toString();
        }
    }
    EXPECT_EQ(seen, (QStringList{"A1=10", "A2=20", "B1=10", "B2=20"}));
    EXPECT_THROW(connection.Execute(QStringLiteral("SELECT 1")), Error);
}

TEST(ShapingCommand, MalformedCommandsNameThePlace) {
    const char* bad[] = {
        "SHAPE",
        "SHAPE {SELECT 1",
        "SHAPE {SELECT 1} APPEND",
        "SHAPE APPEND NEW adNothing AS X",
        "SHAPE APPEND NEW adVarChar(x) AS X",
        "SHAPE APPEND NEW adInteger X",
        "SHAPE APPEND ({SELECT 1} RELATE a b) AS X",
        "SHAPE APPEND ({SELECT 1} RELATE a TO b AS X",
        "SHAPE APPEND NEW adInteger AS X extra",
        "SHAPE APPEND NEW adInteger AS [unclosed",
    };
    for (const char* text : bad) {
        try {
            ShapeCommand::Parse(QString::fromLatin1(text));
            ADD_FAILURE() << "accepted: " << text;
        } catch (const Error& e) {
            EXPECT_TRUE(e.text().contains(QStringLiteral("第"))) << text;
        }
    }
    QString deep = QStringLiteral("SHAPE APPEND NEW adInteger AS X");
    for (int i = 0; i < 40; ++i) {
        deep = QStringLiteral("SHAPE APPEND ((%1) AS C RELATE X TO X)").arg(deep);
    }
    EXPECT_THROW(ShapeCommand::Parse(deep), Error);
}

TEST_F(Shaping, RelationsMustNameExistingColumns) {
    Connection connection(Sqlite());
    EXPECT_THROW(connection.Execute(
                     QStringLiteral("SHAPE {SELECT * FROM orders} APPEND ({SELECT * FROM items} "
                                    "RELATE nothing TO order_id) AS Items")),
                 Error);
    EXPECT_THROW(connection.Execute(QStringLiteral("SHAPE {SELECT * FROM missing} APPEND "
                                                   "NEW adInteger AS X")),
                 Error);
}

TEST_F(Shaping, ConnectionStringForms) {
    const QStringList good = {
        Sqlite(),
        QStringLiteral("Driver=QSQLITE;Database=") + path_,
        path_,
        QStringLiteral("provider = sqlite ; data source = \"") + path_ + QStringLiteral("\""),
    };
    for (const QString& text : good) {
        Connection connection(text);
        EXPECT_EQ(connection.Execute(QStringLiteral("SELECT * FROM customers"))->RecordCount(), 3)
            << text.toStdString();
    }
    const QStringList bad = {
        QStringLiteral("Provider=SQLite;Data Source=") + dir_.filePath(QStringLiteral("no.db")),
        QStringLiteral("Provider=Jet;Data Source=x.mdb"),
        QStringLiteral("Provider=PostgreSQL;Host=127.0.0.1;Port=1;Database=none;User ID=x"),
        QStringLiteral("DSN=vevezo-no-such-dsn"),
    };
    for (const QString& text : bad) {
        EXPECT_THROW(Connection{text}, Error) << text.toStdString();
    }
}
