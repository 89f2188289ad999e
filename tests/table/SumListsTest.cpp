#include "data/Connection.h"
#include "table/SumListsProducer.h"

#include "../data/SqliteFixture.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace vevezo;

using RecordSetSums = SqliteFixture;

TEST_F(RecordSetSums, OneWalkPerNewAggregateAndPositionKept) {
    Connection connection(Sqlite());
    RecordsetPtr items = connection.Execute(QStringLiteral("SELECT * FROM items ORDER BY id"));
    items->Move(2); // the third record
    TRSSumListsProducer sums;
    sums.SetData(items);
    EXPECT_DOUBLE_EQ(sums.GetValue(QStringLiteral("qty"), aggSum), 14);
    EXPECT_EQ(items->Value(0).toInt(), 102);
    EXPECT_DOUBLE_EQ(sums.GetValue(QStringLiteral("qty"), aggCount), 6);
    EXPECT_DOUBLE_EQ(sums.GetValue(QStringLiteral("qty"), aggSum), 14); // unchanged, cached
    EXPECT_EQ(sums.Items().Items().size(), 2u);
    EXPECT_TRUE(sums.Items().Find(aggSum, QStringLiteral("qty"))->computed);
    EXPECT_EQ(sums.Items().Find(aggSum, QStringLiteral("QTY")), nullptr); // exact names

    // Changing data that the producer already walked is seen only after a reset.
    items->MoveFirst();
    items->SetValue(3, 100);
    EXPECT_DOUBLE_EQ(sums.GetValue(QStringLiteral("qty"), aggSum), 14);
    sums.Reset(true);
    EXPECT_DOUBLE_EQ(sums.GetValue(QStringLiteral("qty"), aggSum, false), 0);
    EXPECT_DOUBLE_EQ(sums.GetValue(QStringLiteral("qty"), aggSum), 109);
}

TEST_F(RecordSetSums, ChaptersUnknownColumnsNullsAndNewData) {
    Connection connection(Sqlite());
    RecordsetPtr orders = connection.Execute(QStringLiteral(
        "SHAPE {SELECT * FROM orders} APPEND ({SELECT * FROM items} RELATE id TO order_id) AS "
        "Items"));
    TRSSumListsProducer sums;
    EXPECT_DOUBLE_EQ(sums.GetValue(QStringLiteral("amount"), aggSum), 0); // no data yet
    EXPECT_TRUE(sums.Items().Items().empty());
    sums.SetData(orders);
    EXPECT_DOUBLE_EQ(sums.GetValue(QStringLiteral("Items"), aggSum), 0);
    EXPECT_DOUBLE_EQ(sums.GetValue(QStringLiteral("nothing"), aggCount), 0);
    EXPECT_TRUE(sums.Items().Items().empty());
    EXPECT_DOUBLE_EQ(sums.GetValue(QStringLiteral("amount"), aggSum), 500.75);

    RecordsetPtr kinds = connection.Execute(QStringLiteral("SELECT * FROM kinds"));
    sums.SetData(kinds); // new data: every cached value starts over
    EXPECT_DOUBLE_EQ(sums.Items().Items().front().value, 0);
    EXPECT_FALSE(sums.Items().Items().front().computed);
    const struct {
        const char* column;
        double sum;
    } cases[] = {{"i", 7}, {"n", 12.34}, {"m", 5.5}, {"v", 0}, {"f", -1}, {"r", 1.5}};
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(sums.GetValue(QString::fromLatin1(c.column), aggSum), c.sum) << c.column;
    }
}

TEST(PacketSums, AttributesFoundWithoutLetterCase) {
    xml::Document doc;
    ASSERT_TRUE(doc.LoadXML(QStringLiteral(
        "<BVDataPacket><RowData><Row AMOUNT=\"10.5\" qty=\"2\"/><Row amount=\"x\" qty=\"3\"/>"
        "<Row qty=\"1\"/><Row/><Row Amount=\"4\"/></RowData></BVDataPacket>")));
    TXmlDBSumListsProducer sums;
    sums.SetData(doc.Root());
    EXPECT_DOUBLE_EQ(sums.GetValue(QStringLiteral("amount"), aggSum), 14.5);
    EXPECT_DOUBLE_EQ(sums.GetValue(QStringLiteral("price"), aggSum), 0);
    EXPECT_DOUBLE_EQ(sums.GetValue(QStringLiteral("qty"), aggCount), 4); // rows with attributes

    TXmlDBSumListsProducer copy;
    copy.Assign(sums);
    EXPECT_EQ(copy.Data(), doc.Root());
    // The items come over, but taking new data starts their values over.
    EXPECT_EQ(copy.Items().Items().size(), 3u);
    EXPECT_DOUBLE_EQ(copy.GetValue(QStringLiteral("amount"), aggSum, false), 0);
    EXPECT_DOUBLE_EQ(copy.GetValue(QStringLiteral("amount"), aggSum), 14.5);

    xml::Document empty;
    ASSERT_TRUE(empty.LoadXML(QStringLiteral("<BVDataPacket/>")));
    TXmlDBSumListsProducer none;
    none.SetData(empty.Root());
    EXPECT_DOUBLE_EQ(none.GetValue(QStringLiteral("amount"), aggSum), 0);
    EXPECT_FALSE(none.Items().Items().front().computed);
}
