#include "data/RptDSOs.h"
#include "script/ExpressParser.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace vevezo;

namespace {

struct Expressions : ::testing::Test {
    TRptDSOs sources;

    void SetUp() override {
        TRptDSO* orders = sources.Add();
        orders->SetSource(QStringLiteral(
            "<BVDataPacket Name=\"Orders\"><MetaData><Fields>"
            "<Field Name=\"Price\" Caption=\"单价\" Type=\"5\"/><Field Name=\"Qty\" Type=\"3\"/>"
            "<Field Name=\"Name\" Type=\"202\"/><Field Name=\"Amount\" Type=\"5\"/>"
            "</Fields></MetaData><RowData><Row Price=\"2.5\" Qty=\"4\" Name=\"王\" Amount=\"10\"/>"
            "<Row Price=\"1\" Name=\"李\" Amount=\"2.5\"/></RowData></BVDataPacket>"));
        orders->SetDataType(rptDSxmldb);
        orders->SetIsMain(true);
        orders->Open(); // as a page does with its provider's sources
    }

    QVariant Evaluate(const char* expression, int row = 1, const char* source = "") {
        return TExpressParser(QString::fromUtf8(expression), nullptr, 1, row,
                              QString::fromUtf8(source), &sources)
            .Value();
    }
};

} // namespace

TEST_F(Expressions, ReferencesAreLookedUpAndComputed) {
    const struct {
        const char* expression;
        int row;
        const char* source;
        QVariant value;
    } cases[] = {
        {"{Orders.Price}*{Orders.Qty}", 1, "", QVariant(10.0)},
        {"{Orders.Price}*{Orders.Qty}", 2, "", QVariant(QStringLiteral("1*"))},
        {"{Orders.Name} 先生", 1, "", QVariant(QStringLiteral("王 先生"))},
        {"{SUM(Orders.Amount)}", 1, "", QVariant(12.5)},
        {"{sum(Orders.Amount)} + {Count(Orders.Amount)}", 1, "", QVariant(14.5)},
        {"{CAPTION([Orders].[Price])}", 1, "", QVariant(QStringLiteral("单价"))},
        {"{Orders.Price?0.00} 元", 1, "", QVariant(QStringLiteral("2.50 元"))},
        {"{Orders.Price?0.00}", 1, "", QVariant(2.5)}, // a formatted number still computes
        {"{orders.Price} * 2", 2, "Orders", QVariant(2.0)},
        {"{Price}", 1, "Orders", QVariant(QString())},
    };
    for (const auto& c : cases) {
        const QVariant value = Evaluate(c.expression, c.row, c.source);
        EXPECT_EQ(value, c.value) << c.expression << " row " << c.row;
        EXPECT_EQ(value.metaType(), c.value.metaType()) << c.expression;
    }
}

TEST_F(Expressions, AComputedNumberGivesWayToMessages) {
    // The unresolved reference is dropped, "5" computes, and the message is what shows.
    EXPECT_EQ(Evaluate("5{Orders.Qty}", 2),
              QVariant(QStringLiteral("变量\"Orders.Qty\"未能取到值。")));
}

TEST_F(Expressions, TheLookupEvaluatesKindSeven) {
    EXPECT_EQ(sources.GetValue(7, QString(), QStringLiteral("{Orders.Price}*{Orders.Qty}"), 2,
                               QStringLiteral("0.0"), 1, 1, nullptr),
              QVariant(QStringLiteral("10.0")));
    EXPECT_EQ(sources.GetValue(7, QString(), QStringLiteral("{Orders.Price}"), 0, QString(), 2, 1,
                               nullptr),
              QVariant(1.0));
    EXPECT_EQ(TExpressParser(QStringLiteral("{Orders.Price}"), nullptr, 1, 1, QString(), nullptr)
                  .Value(),
              QVariant(QString())); // without a lookup nothing resolves
}
