#include "common/VariantType.h"
#include "data/Connection.h"
#include "data/DataPacket.h"
#include "data/RptDSOs.h"
#include "data/ValueList.h"
#include "document/RptDesigner.h"

#include "SqliteFixture.h"
#include "TestSupport.h"

#include <QDate>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vevezo;

namespace {

constexpr const char* kOrdersPacket =
    "<BVDataPacket Name=\"Orders\" DataShape=\"-1\"><MetaData><Fields>"
    "<Field Name=\"Customer\" Caption=\"客户\" Type=\"202\" DefinedSize=\"20\"/>"
    "<Field Name=\"Amount\" Caption=\"金额\" Format=\"#,##0.00\" Type=\"5\"/>"
    "<Field Name=\"State\" Caption=\"状态\" Type=\"3\"><DataList List=\"1\" OutIndex=\"-2\">"
    "<r k=\"1\" v=\"已付\" i=\"0\"/><r k=\"2\" v=\"未付\" i=\"1\"/></DataList></Field>"
    "<Field Name=\"Items\" Caption=\"明细\" Type=\"136\"><Fields>"
    "<Field Name=\"Price\" Caption=\"单价\" Type=\"5\"/></Fields></Field>"
    "</Fields></MetaData><RowData>"
    "<Row Customer=\"甲\" Amount=\"1200.5\" State=\"1\"><RowData Field=\"Items\">"
    "<Row Price=\"2.5\"/><Row Price=\"4\"/></RowData></Row>"
    "<Row Customer=\"乙\" Amount=\"30\" State=\"9\"><RowData Field=\"Items\">"
    "<Row Price=\"10\"/></RowData></Row>"
    "<Row Customer=\"丙\" Amount=\"0.25\" State=\"2\"/>"
    "</RowData></BVDataPacket>";

struct FixedPages : IRptPageInfoEnumerator {
    int GetPageInfo(int code) override { return code == 1 ? 3 : 12; }
};

// A collection holding the System source and the orders packet.
struct PacketSources : ::testing::Test {
    TRptDSOs sources;
    TRptDSO* orders = nullptr;

    void SetUp() override {
        sources.AddSystemSource();
        orders = sources.Add();
        orders->SetSource(QString::fromUtf8(kOrdersPacket));
        orders->SetDataType(rptDSxmldb);
        orders->Open();
        ASSERT_TRUE(orders->Parsed());
    }

    QVariant Get(int kind, const char* field, int row = 1, int subRow = 1,
                 const char* source = "", int formatType = 0, const char* format = "",
                 IRptPageInfoEnumerator* pages = nullptr) {
        return sources.GetValue(kind, QString::fromUtf8(source), QString::fromUtf8(field),
                                formatType, QString::fromUtf8(format), row, subRow, pages);
    }
};

} // namespace

TEST_F(PacketSources, NamesAndTheSystemSource) {
    EXPECT_EQ(orders->DataName(), QStringLiteral("Orders"));
    EXPECT_EQ(sources.IndexOf(QStringLiteral("system")), 0);
    EXPECT_EQ(sources.AddSystemSource(), sources.Items(0));
    EXPECT_EQ(sources.Count(), 2);
    EXPECT_EQ(sources.IndexOf(QStringLiteral("ORDERS")), 1);
    EXPECT_EQ(sources.IndexOf(QStringLiteral("missing")), -1);

    FixedPages pages;
    EXPECT_EQ(Get(1, "System.Page", 1, 1, "", 1, "", &pages), QVariant(QStringLiteral("第 3 页")));
    EXPECT_EQ(Get(1, "System.Pages", 1, 1, "", 1, "", &pages), QVariant(QStringLiteral("共 12 页")));
    EXPECT_EQ(Get(1, "System.Page"), QVariant(0));
    EXPECT_EQ(Get(2, "System.Date"), QVariant(QStringLiteral("当前日期")));
    EXPECT_EQ(Get(1, "System.Date"), QVariant(QDate::currentDate()));
    EXPECT_FALSE(Get(1, "System.page").isValid()); // field names of System are exact
}

TEST_F(PacketSources, PathsAndRows) {
    const struct {
        int kind;
        const char* field;
        int row;
        const char* source;
        QVariant value;
    } cases[] = {
        {1, "Orders.Customer", 1, "", QVariant(QStringLiteral("甲"))},
        {1, "[Orders].[Customer]", 1, "", QVariant(QStringLiteral("甲"))},
        {1, " [ [Orders] ] . Customer ", 1, "Orders", QVariant(QStringLiteral("甲"))},
        {1, "Orders.Customer", 2, "", QVariant(QStringLiteral("甲"))}, // not main: first record
        {2, "Orders.Amount", 1, "", QVariant(QStringLiteral("金额"))},
        {3, "Orders.Amount", 1, "", QVariant(1230.75)},
        {4, "Orders.Amount", 1, "", QVariant(3.0)},
        {1, "Orders", 1, "", QVariant()},
        {3, "Orders", 1, "", QVariant()},
        {1, "Orders.Nothing", 1, "", QVariant()},
        {1, "Nowhere.Customer", 1, "", QVariant()},
        {5, "Orders.Customer", 1, "", QVariant()},
        {6, "Orders.Customer", 1, "", QVariant()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Get(c.kind, c.field, c.row, 1, c.source), c.value) << c.kind << ' ' << c.field;
    }
    orders->SetIsMain(true);
    EXPECT_EQ(Get(1, "Orders.Customer", 2), QVariant(QStringLiteral("乙")));
    EXPECT_FALSE(Get(1, "Orders.Customer", 0).isValid()); // packets count records from 1 exactly
    EXPECT_FALSE(Get(1, "Orders.Customer", 4).isValid());
}

TEST_F(PacketSources, NestedValuesAggregatesListsAndFormats) {
    orders->SetIsMain(true);
    EXPECT_EQ(Get(1, "Orders.Items.Price", 1, 2), QVariant(4.0));
    EXPECT_FALSE(Get(1, "Orders.Items.Price", 1, 0).isValid()); // sub-row 0: the chapter itself
    EXPECT_EQ(Get(3, "Orders.Items.Price", 1), QVariant(6.5));
    EXPECT_EQ(Get(3, "Orders.Items.Price", 2), QVariant(10.0));
    EXPECT_EQ(Get(4, "Orders.Items.Price", 1), QVariant(2.0));
    EXPECT_FALSE(Get(3, "Orders.Items.Price", 3).isValid()); // no nested rows
    EXPECT_FALSE(Get(3, "Orders.Items.Price", 7).isValid());

    EXPECT_EQ(Get(4095 + 1, "Orders.State", 1), QVariant(QStringLiteral("已付")));
    EXPECT_EQ(Get(4095 + 1, "Orders.State", 2), QVariant(QStringLiteral("9"))); // OutIndex -2
    EXPECT_EQ(Get(1, "Orders.State", 2), QVariant(9));
    EXPECT_EQ(Get(1, "Orders.Amount", 1, 1, "", 1), QVariant(QStringLiteral("1,200.50")));
    EXPECT_EQ(Get(1, "Orders.Amount", 1, 1, "", 2, "0.0"), QVariant(QStringLiteral("1200.5")));
    EXPECT_EQ(Get(1, "Orders.Amount", 1, 1, "", 0, "0.0"), QVariant(1200.5)); // no format type
    EXPECT_EQ(Get(4095 + 2, "Orders.State", 1), QVariant(QStringLiteral("状态")));
}

TEST(ValueLists, KeyedAndAttributeLists) {
    xml::Document doc;
    ASSERT_TRUE(doc.LoadXML(QStringLiteral(
        "<L><DataList List=\"1\"><r k=\"a\" v=\"甲\" i=\"0\"/><r k=\"b\" i=\"1\"/></DataList>"
        "<DataList List=\"1\" OutIndex=\"0\"><r k=\"a\" v=\"甲\" i=\"0\"/></DataList>"
        "<DataList k1=\"一\" OutIndex=\"-2\"/><DataList k1=\"一\"/></L>")));
    const std::vector<xml::Node> lists = xml::ChildElements(doc.Root());
    const struct {
        int list;
        QVariant value;
        QVariant shown;
    } cases[] = {
        {0, QStringLiteral("A"), QStringLiteral("甲")}, {0, QStringLiteral("b"), QVariant()},
        {0, QStringLiteral("z"), QVariant()},           {1, QStringLiteral("z"), QStringLiteral("甲")},
        {2, 1, QStringLiteral("一")},                    {2, 2, QStringLiteral("2")},
        {3, 2, QVariant()},                             {3, QVariant(), QVariant()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ApplyValueList(lists[c.list], c.value), c.shown) << c.list << ' '
                                                                   << c.value.toString().toStdString();
    }
}

using DatabaseSources = SqliteFixture;

TEST_F(DatabaseSources, PlainAndShapedQueriesThroughTheConnectionString) {
    TRptDSOs sources;
    sources.SetConnectionString(Sqlite());
    TRptDSO* orders = sources.Add();
    orders->SetDataName(QStringLiteral("Orders"));
    orders->SetSource(QStringLiteral(
        "SHAPE {SELECT id, amount FROM orders ORDER BY id} "
        "APPEND ({SELECT order_id, qty FROM items ORDER BY id} RELATE id TO order_id) AS Items"));
    orders->SetDataType(rptDSdb);
    // A plain name finds the source before its fields were ever read.
    EXPECT_EQ(sources.IndexOf(QStringLiteral("orders")), 0);
    orders->SetIsMain(true);
    const auto get = [&](int kind, const char* field, int row, int subRow = 1) {
        return sources.GetValue(kind, QString(), QString::fromUtf8(field), 0, QString(), row,
                                subRow, nullptr);
    };
    EXPECT_EQ(get(1, "Orders.amount", 1).value<Decimal>().text, QStringLiteral("120.5"));
    EXPECT_EQ(get(1, "Orders.amount", 0).value<Decimal>().text, QStringLiteral("120.5"));
    EXPECT_EQ(get(1, "Orders.id", 3), QVariant(12));
    EXPECT_FALSE(get(1, "Orders.id", 4).isValid());
    EXPECT_EQ(get(1, "Orders.Items.qty", 3, 2), QVariant(3));
    EXPECT_EQ(get(1, "Orders.Items.qty", 3, 0), QVariant(1)); // sub-row 0: the first
    EXPECT_EQ(get(3, "Orders.Items.qty", 1), QVariant(7.0));
    EXPECT_EQ(get(4, "Orders.Items.qty", 3), QVariant(3.0));
    EXPECT_EQ(get(3, "Orders.amount", 1), QVariant(500.75));
    EXPECT_EQ(get(3, "Orders", 1), QVariant(0));
    EXPECT_EQ(orders->DataName(), QStringLiteral("Orders"));
    EXPECT_TRUE(orders->XMLFields());
    EXPECT_EQ(xml::NodeName(orders->XMLFields()), QStringLiteral("Orders"));

    TRptDSO* customers = sources.Add();
    customers->SetSource(QStringLiteral("SELECT * FROM customers ORDER BY id"));
    customers->Open(); // kind 0: not XML, so the database
    EXPECT_EQ(customers->DataType(), rptDSdb);
    customers->Records()->MoveLast();
    customers->SetDataName(QStringLiteral("Customers"));
    // Not main: the current record, whatever the row.
    EXPECT_EQ(sources.GetValue(1, QString(), QStringLiteral("Customers.name"), 0, QString(), 1, 1,
                               nullptr),
              QVariant(QStringLiteral("空客户")));
    EXPECT_EQ(sources.GetValue(1, QString(), QStringLiteral("Customers.city"), 0, QString(), 1, 1,
                               nullptr),
              QVariant(QString())); // null text shows empty text

    TRptDSO* broken = sources.Add();
    broken->SetSource(QStringLiteral("SELECT * FROM nothing"));
    broken->SetDataType(rptDSdb);
    broken->Open();
    EXPECT_FALSE(broken->Parsed());
    EXPECT_EQ(broken->DataType(), rptDSUnknown);
}

TEST_F(DatabaseSources, AttachingSharingAndClosing) {
    Connection connection(Sqlite());
    RecordsetPtr items = connection.Execute(QStringLiteral("SELECT * FROM items"));
    TRptDSOs sources;
    TRptDSO* source = sources.Add();
    source->SetData(QVariant::fromValue(items));
    EXPECT_TRUE(source->Parsed());
    EXPECT_EQ(source->DataType(), rptDSdb);
    EXPECT_NE(source->Records(), items); // a clone: the host's cursor stays its own

    TRptDSO* copy = sources.Add();
    copy->AssignFrom(source);
    EXPECT_TRUE(copy->Parsed());
    EXPECT_TRUE(copy->Borrowed());
    EXPECT_EQ(copy->Records(), source->Records());
    copy->SetData(QVariant()); // closing the copy leaves the original open
    EXPECT_FALSE(copy->Parsed());
    EXPECT_TRUE(source->Records()->IsOpen());

    RecordsetPtr closed = connection.Execute(QStringLiteral("SELECT * FROM items"));
    closed->Close();
    TRptDSO* other = sources.Add();
    other->SetData(QVariant::fromValue(closed));
    EXPECT_FALSE(other->Parsed());

    TRptDSO* xmlSource = sources.Add();
    xmlSource->SetData(QVariant::fromValue(XmlData::Parse(QStringLiteral("<Shop><Name>店</Name></Shop>"))));
    EXPECT_EQ(xmlSource->DataType(), rptDSxml);
    EXPECT_EQ(xmlSource->DataName(), QStringLiteral("Shop"));
    xmlSource->SetIsMain(true);
    EXPECT_FALSE(xmlSource->IsMain()); // only database and packet sources drive the records
    EXPECT_EQ(sources.GetValue(1, QString(), QStringLiteral("Shop.name"), 0, QString(), 1, 1,
                               nullptr),
              QVariant(QStringLiteral("店")));

    TRptDSO* packet = sources.Add();
    packet->SetData(QVariant::fromValue(XmlData::Parse(QString::fromUtf8(kOrdersPacket))));
    EXPECT_EQ(packet->DataType(), rptDSxmldb);
    EXPECT_EQ(packet->DataName(), QStringLiteral("Orders"));
    EXPECT_DOUBLE_EQ(packet->GetAggregateValue(QStringLiteral("amount"), rptAggSum), 1230.75);
}

TEST(SourceCollection, EditingAndEnumerating) {
    TRptDSOs sources;
    TRptDSO* a = sources.Add();
    TRptDSO* c = sources.Add();
    TRptDSO* b = sources.Insert(1);
    TRptDSO* d = sources.Insert(99);
    EXPECT_EQ(sources.Items(0), a);
    EXPECT_EQ(sources.Items(1), b);
    EXPECT_EQ(sources.Items(2), c);
    EXPECT_EQ(sources.Items(3), d);
    EXPECT_EQ(sources.Items(4), nullptr);
    sources.Delete(7);
    sources.Delete(3);
    EXPECT_EQ(sources.Count(), 3);

    TRptDSOsEnumerator walk = sources.NewEnum();
    QList<TRptDSO*> got;
    EXPECT_TRUE(walk.Next(2, got));
    EXPECT_FALSE(walk.Next(2, got));
    EXPECT_EQ(got, (QList<TRptDSO*>{a, b, c}));
    walk.Reset();
    EXPECT_TRUE(walk.Skip(3));
    EXPECT_FALSE(walk.Skip(1));
    TRptDSOsEnumerator again = walk.Clone();
    got.clear();
    EXPECT_TRUE(again.Next(1, got));
    EXPECT_EQ(got.first(), a);

    sources.SetConnectionString(QStringLiteral("x.db"));
    auto shared = std::make_shared<Connection>(QStringLiteral("Provider=MSDataShape;Data Provider=NONE;"));
    sources.SetConnection(shared);
    EXPECT_TRUE(sources.ConnectionString().isEmpty());
    TRptDSOs copy;
    copy.AssignFrom(&sources);
    EXPECT_EQ(copy.GetConnection(), shared);
    EXPECT_EQ(copy.Count(), 3);
    sources.SetConnectionString(QStringLiteral("y.db"));
    EXPECT_EQ(sources.GetConnection(), nullptr);
}

namespace {

struct SourcesProvider : IRptDesignProvider {
    TRptDSOs* sources = nullptr;
    QString xml;
    QString XML() const override { return xml; }
    void SetXML(const QString& text) override { xml = text; }
    int State() const override { return rpsUnspecial; }
    void SetState(int) override {}
    IRptSourcesValues* SourcesValues() override { return sources; }
    void OpenUnparsedSources(bool databaseOnly) override { sources->OpenUnparsed(databaseOnly); }
};

} // namespace

TEST_F(PacketSources, ALoadedDesignAsksItsProvidersSources) {
    TRptDSO* unopened = sources.Add();
    unopened->SetSource(QStringLiteral("<Note><Text>备注</Text></Note>"));
    SourcesProvider provider;
    provider.sources = &sources;
    provider.xml = QStringLiteral(
        "<BVReport PaperWidth=\"2100\" PaperHeight=\"2970\"><div ID=\"A\" DataType=\"3\" "
        "DataField=\"Orders.Amount\" FormatType=\"1\"/></BVReport>");
    TRptDesigner page;
    page.SetProvider(&provider);
    EXPECT_TRUE(unopened->Parsed()); // the page opened what was not open
    FixedPages pages;
    page.SetPageInfoHandler(&pages);
    EXPECT_EQ(page.GetRptSourceData(nullptr, mmText, 3, QString(), QStringLiteral("Orders.Amount"),
                                    1, QString(), 1, 0),
              QVariant(QStringLiteral("1,230.75")));
    EXPECT_EQ(page.GetRptSourceData(nullptr, mmText, 1, QString(), QStringLiteral("System.Page"), 1,
                                    QString(), 1, 0),
              QVariant(QStringLiteral("第 3 页")));
}

TEST(SystemSource, RegisteredOwnerComesFromTheSettings) {
    QTemporaryDir dir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("vevezo"),
                           QStringLiteral("vevezo"));
        settings.setValue(QStringLiteral("RegisteredOwner"), QStringLiteral("张三"));
        settings.setValue(QStringLiteral("RegisteredOrganization"), QStringLiteral("晨光公司"));
    }
    TRptDSOs sources;
    sources.AddSystemSource()->Open();
    const auto get = [&](const char* field) {
        return sources.GetValue(1, QString(), QString::fromLatin1(field), 0, QString(), 1, 1,
                                nullptr);
    };
    EXPECT_EQ(get("System.RegisteredOwner"), QVariant(QStringLiteral("张三")));
    EXPECT_EQ(get("System.RegisteredOrganization"), QVariant(QStringLiteral("晨光公司")));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       dir.filePath(QStringLiteral("empty")));
    EXPECT_EQ(get("System.RegisteredOrganization"), QVariant(QString()));
}
