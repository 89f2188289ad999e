#include "data/Recordset.h"

#include "SqliteFixture.h"
#include "TestSupport.h"
#include "common/DateTimeValue.h"
#include "common/Error.h"
#include "common/VariantType.h"
#include "data/Connection.h"

#include <QDateTime>
#include <gtest/gtest.h>

using namespace vevezo;

namespace {

QList<int> Ids(Recordset& rs, const char* column = "id") {
    QList<int> ids;
    for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext()) {
        ids << rs.Value(QString::fromLatin1(column)).toInt();
    }
    return ids;
}

} // namespace

using Records = SqliteFixture;

TEST_F(Records, CursorMovesOverEveryRecord) {
    Connection connection(Sqlite());
    RecordsetPtr rs = connection.Execute(QStringLiteral("SELECT * FROM items ORDER BY id"));
    ASSERT_TRUE(rs->IsOpen());
    EXPECT_EQ(rs->RecordCount(), 6);
    EXPECT_FALSE(rs->IsBOF());
    EXPECT_EQ(rs->Value(QStringLiteral("ID")).toInt(), 100); // names ignore letter case
    rs->Move(3);
    EXPECT_EQ(rs->Value(0).toInt(), 103);
    EXPECT_EQ(rs->AbsolutePosition(), 4);
    const QVariant mark = rs->Bookmark();
    rs->MoveLast();
    EXPECT_EQ(rs->Value(0).toInt(), 105);
    rs->MoveNext();
    EXPECT_TRUE(rs->IsEOF());
    EXPECT_THROW(rs->Value(0), Error);
    EXPECT_THROW(rs->MoveNext(), Error);
    rs->SetBookmark(mark);
    EXPECT_EQ(rs->Value(0).toInt(), 103);
    rs->Move(-10);
    EXPECT_TRUE(rs->IsBOF());
    EXPECT_THROW(rs->MovePrevious(), Error);
    EXPECT_TRUE(rs->Supports(adBookmark | adApproxPosition));
    EXPECT_THROW(rs->SetBookmark(QVariant(999)), Error);

    rs->Close();
    EXPECT_EQ(rs->State(), adStateClosed);
    EXPECT_THROW(rs->IsEOF(), Error);
}

TEST_F(Records, EmptyResultIsBothBofAndEof) {
    Connection connection(Sqlite());
    RecordsetPtr rs = connection.Execute(QStringLiteral("SELECT * FROM items WHERE qty > 99"));
    EXPECT_TRUE(rs->IsBOF());
    EXPECT_TRUE(rs->IsEOF());
    EXPECT_EQ(rs->RecordCount(), 0);
    EXPECT_EQ(rs->FieldCount(), 4);
    EXPECT_EQ(rs->Field(2).type, adVarWChar);
    EXPECT_EQ(rs->Field(2).definedSize, 30);
}

TEST_F(Records, DeclaredTypesMapToColumnTypesAndValues) {
    Connection connection(Sqlite());
    RecordsetPtr rs = connection.Execute(QStringLiteral("SELECT * FROM kinds"));
    const struct {
        const char* column;
        int type;
        int size;
        int varType;
    } cases[] = {
        {"i", adInteger, 4, varInteger},
        {"b", adBigInt, 8, varInt64},
        {"r", adDouble, 8, varDouble},
        {"d", adDouble, 8, varDouble},
        {"n", adNumeric, 19, varDecimal},
        {"m", adCurrency, 8, varCurrency},
        {"v", adVarWChar, 20, varOleStr},
        {"c", adWChar, 4, varOleStr},
        {"t", adLongVarWChar, kUnlimitedSize, varOleStr},
        {"bl", adLongVarBinary, kUnlimitedSize, varArray | varByte},
        {"dt", adDBDate, 6, varDate},
        {"tm", adDBTime, 6, varDate},
        {"ts", adDBTimeStamp, 16, varDate},
        {"f", adBoolean, 2, varBoolean},
        {"small", adSmallInt, 2, varInteger},
    };
    for (const auto& c : cases) {
        const int column = rs->FieldIndex(QString::fromLatin1(c.column));
        ASSERT_GE(column, 0) << c.column;
        EXPECT_EQ(rs->Field(column).type, c.type) << c.column;
        EXPECT_EQ(rs->Field(column).definedSize, c.size) << c.column;
        EXPECT_EQ(VarTypeOf(rs->Value(column)), c.varType) << c.column;
    }
    EXPECT_EQ(rs->Value(QStringLiteral("bl")).toByteArray(), QByteArray("\x00\xff\x10", 3));
    EXPECT_EQ(rs->Value(QStringLiteral("ts")).toDateTime(),
              NaiveDateTime(QDate(2024, 1, 5), QTime(13, 30)));
    EXPECT_EQ(rs->Value(QStringLiteral("n")).value<Decimal>().text, QStringLiteral("12.34"));
    EXPECT_EQ(rs->Value(QStringLiteral("m")).value<Currency>().scaled, 55000);
    EXPECT_EQ(rs->Value(QStringLiteral("b")).toLongLong(), 9000000000LL);
    EXPECT_NE(rs->Field(rs->FieldIndex(QStringLiteral("bl"))).attributes & adFldLong, 0);

    rs->MoveNext();
    for (int column = 0; column < rs->FieldCount(); ++column) {
        EXPECT_TRUE(IsNull(rs->Value(column))) << column;
    }
}

TEST_F(Records, FiltersAndSortingChooseAndOrderRecords) {
    Connection connection(Sqlite());
    RecordsetPtr rs = connection.Execute(QStringLiteral("SELECT * FROM items"));
    const struct {
        const char* filter;
        const char* sort;
        QList<int> ids;
    } cases[] = {
        {"qty > 1", "", {100, 101, 104, 105}},
        {"qty >= 2 AND order_id = 12", "", {104, 105}},
        {"(order_id = 11 OR order_id = 10) AND NOT_A_COLUMN_SKIPPED = 1", "", {}},
        {"product LIKE 'd*' OR product = '墨'", "", {102, 103}},
        {"product = 'desk'", "", {103}},
        {"[product] <> 'Lamp' AND qty < 3", "qty DESC, id", {101, 105, 102, 103}},
        {"", "product ASC", {105, 103, 104, 102, 101, 100}}, // by character codes
        {"qty = NULL", "", {}},
        {"qty <> NULL", "id DESC", {105, 104, 103, 102, 101, 100}},
    };
    for (const auto& c : cases) {
        const QString filter = QString::fromUtf8(c.filter);
        if (filter.contains(QLatin1String("NOT_A_COLUMN"))) {
            EXPECT_THROW(rs->SetFilter(filter), Error);
            continue;
        }
        rs->SetFilter(filter);
        rs->SetSort(QString::fromUtf8(c.sort));
        EXPECT_EQ(Ids(*rs), c.ids) << c.filter << " / " << c.sort;
        EXPECT_EQ(rs->RecordCount(), c.ids.size()) << c.filter;
    }
    for (const char* bad :
         {"qty >", "qty = 'open", "(qty = 1", "qty ~ 2", "qty = #notadate#", "qty > NULL"}) {
        EXPECT_THROW(rs->SetFilter(QString::fromLatin1(bad)), Error) << bad;
    }
    EXPECT_THROW(rs->SetSort(QStringLiteral("nothing DESC")), Error);
}

TEST_F(Records, ClonesShareRowsWithTheirOwnCursor) {
    Connection connection(Sqlite());
    RecordsetPtr rs = connection.Execute(QStringLiteral("SELECT * FROM items"));
    rs->SetFilter(QStringLiteral("order_id = 12"));
    rs->SetSort(QStringLiteral("qty"));
    rs->MoveLast();
    RecordsetPtr clone = rs->Clone();
    EXPECT_EQ(clone->Filter(), rs->Filter());
    EXPECT_EQ(clone->Sort(), rs->Sort());
    EXPECT_EQ(Ids(*clone), (QList<int>{103, 105, 104}));
    EXPECT_EQ(rs->Value(0).toInt(), 104); // the original did not move
    clone->MoveFirst();
    clone->SetValue(clone->FieldIndex(QStringLiteral("product")), QStringLiteral("Table"));
    rs->MoveFirst();
    EXPECT_EQ(rs->Value(QStringLiteral("product")).toString(), QStringLiteral("Table"));
}

TEST(RecordsetByHand, FieldsRecordsAndChunks) {
    Recordset rs;
    rs.AppendField(QStringLiteral("Name"), adVarWChar, 20);
    rs.AppendField(QStringLiteral("Picture"), adLongVarBinary, kUnlimitedSize, adFldLong);
    rs.Open();
    EXPECT_TRUE(rs.IsBOF() && rs.IsEOF());
    EXPECT_THROW(rs.AppendField(QStringLiteral("Late"), adInteger), Error);
    rs.AddNew();
    rs.SetValue(0, QStringLiteral("一"));
    rs.AppendChunk(1, QByteArray("ab"));
    rs.AppendChunk(1, QByteArray("cd"));
    rs.Update();
    rs.AddNew();
    EXPECT_EQ(rs.RecordCount(), 2);
    EXPECT_TRUE(IsNull(rs.Value(0)));
    rs.MoveFirst();
    EXPECT_EQ(rs.Value(1).toByteArray(), QByteArray("abcd"));
    EXPECT_THROW(rs.Value(QStringLiteral("missing")), Error);
}
