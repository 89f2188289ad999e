#include "data/DataPacket.h"

#include "SqliteFixture.h"
#include "TestSupport.h"
#include "common/DateTimeValue.h"
#include "common/Error.h"
#include "common/VariantType.h"
#include "data/Connection.h"
#include "data/FieldDescription.h"
#include "data/PacketText.h"

#include <QDateTime>
#include <gtest/gtest.h>

using namespace vevezo;

namespace {

QString PacketOf(const RecordsetPtr& records, const QString& description = {}) {
    return TransAdoToXml(records, description);
}

xml::Node Parse(xml::Document& doc, const QString& text) {
    EXPECT_TRUE(doc.LoadXML(text)) << text.toStdString();
    return doc.Root();
}

} // namespace

using Packets = SqliteFixture;

TEST_F(Packets, RecordSetWritesEveryValueForm) {
    Run({"CREATE TABLE blobs (id INTEGER, data BLOB, at DATETIME, day DATE)",
         "INSERT INTO blobs VALUES (1, randomblob(40), '2024-01-05 13:30:00', '2024-01-05')",
         "INSERT INTO blobs VALUES (2, x'', '2024-01-05 00:00:00', NULL)"});
    Connection connection(Sqlite());
    RecordsetPtr records = connection.Execute(QStringLiteral("SELECT * FROM blobs"));
    xml::Document doc;
    const xml::Node packet = Parse(doc, PacketOf(records));
    const std::vector<xml::Node> rows = xml::ChildElements(xml::Child(packet, "RowData"));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(xml::AttrOr(rows[0], "data").size(), 80);
    EXPECT_EQ(xml::AttrOr(rows[0], "at"), QStringLiteral("2024-1-5 13:30:00"));
    EXPECT_EQ(xml::AttrOr(rows[0], "day"), QStringLiteral("2024-1-5"));
    EXPECT_FALSE(xml::Attr(rows[1], "data")); // no bytes: no attribute
    EXPECT_EQ(xml::AttrOr(rows[1], "at"), QStringLiteral("2024-1-5"));
    EXPECT_FALSE(xml::Attr(rows[1], "day")); // null: no attribute

    RecordsetPtr back = RecordSetFromPacket(packet);
    ASSERT_TRUE(back && back->IsOpen());
    records->MoveFirst();
    EXPECT_EQ(back->Value(QStringLiteral("data")).toByteArray(),
              records->Value(QStringLiteral("data")).toByteArray());
    EXPECT_EQ(back->Value(QStringLiteral("at")).toDateTime(),
              NaiveDateTime(QDate(2024, 1, 5), QTime(13, 30)));
    EXPECT_EQ(PacketOf(back), PacketOf(records)); // and the packet of the copy is the same text
}

TEST_F(Packets, FieldListAndTypesSurviveARoundTrip) {
    Connection connection(Sqlite());
    RecordsetPtr kinds = connection.Execute(QStringLiteral("SELECT * FROM kinds"));
    const QString packet = PacketOf(kinds);
    EXPECT_TRUE(packet.startsWith(QStringLiteral(
        "<BVDataPacket><MetaData><Fields><Field Name=\"i\" Type=\"3\" Attributes=\"")));
    EXPECT_TRUE(
        packet.contains(QStringLiteral("<Field Name=\"v\" Type=\"202\" DefinedSize=\"20\"")));
    EXPECT_TRUE(packet.contains(QStringLiteral(
        "<Row i=\"7\" b=\"9000000000\" r=\"1.5\" d=\"2.25\" n=\"12.34\" m=\"5.5\" v=\"abc\" "
        "c=\"ab\" t=\"long text\" bl=\"00FF10\" dt=\"2024-1-5\" tm=\"13:30:00\" "
        "ts=\"2024-1-5 13:30:00\" f=\"-1\" small=\"3\"/><Row/>")));
    RecordsetPtr back = TransXmlToAdo(packet);
    ASSERT_TRUE(back);
    for (int i = 0; i < kinds->FieldCount(); ++i) {
        EXPECT_EQ(back->Field(i).type, kinds->Field(i).type) << i;
        EXPECT_EQ(back->Field(i).definedSize,
                  IsCharType(kinds->Field(i).type)
                      ? kinds->Field(i).definedSize
                      : (kinds->Field(i).type == adLongVarBinary ? kUnlimitedSize : 0))
            << i;
    }
    EXPECT_EQ(back->Value(QStringLiteral("b")).toLongLong(), 9000000000LL);
    EXPECT_EQ(PacketOf(back), packet);
}

TEST(PacketValues, TextToValueByColumnType) {
    const struct {
        const char* text;
        int type;
        QVariant value;
    } cases[] = {
        {"", adInteger, QVariant(0)},
        {"12", adInteger, QVariant(12)},
        {"x", adInteger, QVariant(0)},
        {"9000000000", adBigInt, QVariant(qint64(9000000000LL))},
        {"", adDouble, QVariant(0)},
        {"2.5", adDouble, QVariant(2.5)},
        {"abc", adNumeric, QVariant(0.0)},
        {"", adVarWChar, QVariant(QString())},
        {"True", adBoolean, QVariant(true)},
        {"0", adBoolean, QVariant(false)},
        {"maybe", adBoolean, QVariant(false)},
        {"2024-1-5", adDate, QVariant(NaiveDateTime(QDate(2024, 1, 5)))},
        {"2024-01-05 13:30:00", adDBTimeStamp,
         QVariant(NaiveDateTime(QDate(2024, 1, 5), QTime(13, 30)))},
        {"2024-1-5 下午 1:30:00", adDBTimeStamp,
         QVariant(NaiveDateTime(QDate(2024, 1, 5), QTime(13, 30)))},
        {"5 Jan 2024", adDate, QVariant(QStringLiteral("5 Jan 2024"))},
        {"13:30:00", adDBTime, QVariant(QTime(13, 30))},
        {"\r\n    0A0B\r\n    0C", adLongVarBinary, QVariant(QByteArray("\x0a\x0b\x0c"))},
        {"text", 999, QVariant(QStringLiteral("text"))},
    };
    for (const auto& c : cases) {
        const QVariant value = ValueFromText(QString::fromUtf8(c.text), c.type);
        EXPECT_EQ(VarTypeOf(value), VarTypeOf(c.value)) << c.text << " as " << c.type;
        EXPECT_EQ(value, c.value) << c.text << " as " << c.type;
    }
}

TEST_F(Packets, DescriptionFiltersColumnsAndCopiesDisplayData) {
    Connection connection(Sqlite());
    RecordsetPtr customers = connection.Execute(QStringLiteral("SELECT * FROM customers"));
    const QString description = QStringLiteral(
        "<Customers Caption=\"客户\"><NAME Caption=\"名称\" Alignment=\"2\" Format=\"\">"
        "<DataList List=\"1\"><r k=\"Acme\" v=\"艾克米\"/></DataList></NAME>"
        "<City><DataList Caption=\"named\"/></City><Missing Caption=\"x\"/></Customers>");
    xml::Document doc;
    const xml::Node packet = Parse(doc, PacketOf(customers, description));
    EXPECT_EQ(xml::AttrOr(packet, "Name"), QStringLiteral("Customers"));
    EXPECT_EQ(xml::AttrOr(packet, "Caption"), QStringLiteral("客户"));
    const std::vector<xml::Node> fields =
        xml::ChildElements(xml::ChildPath(packet, "MetaData/Fields"));
    ASSERT_EQ(fields.size(), 2u);
    EXPECT_EQ(xml::Serialize(fields[0]),
              QStringLiteral("<Field Name=\"name\" Caption=\"名称\" Alignment=\"2\" Type=\"202\" "
                             "DefinedSize=\"20\" Attributes=\"100\"><DataList List=\"1\">"
                             "<r k=\"Acme\" v=\"艾克米\"/></DataList></Field>"));
    EXPECT_EQ(xml::AttrOr(fields[1], "Caption"), QStringLiteral("City")); // the element's name
    EXPECT_FALSE(xml::Child(fields[1], "DataList"));                      // named lists stay
    for (const xml::Node row : xml::ChildElements(xml::Child(packet, "RowData"))) {
        EXPECT_FALSE(xml::Attr(row, "id"));
    }
    EXPECT_EQ(xml::AttrOr(xml::ChildElements(xml::Child(packet, "RowData"))[1], "name"),
              QStringLiteral("Acme"));

    const QString fromPacket = DescriptionFromPacket(packet);
    EXPECT_EQ(fromPacket,
              QStringLiteral("<Customers Caption=\"客户\"><name Caption=\"名称\" Alignment=\"2\" "
                             "DataType=\"202\" Size=\"20\"><DataList List=\"1\"><r k=\"Acme\" "
                             "v=\"艾克米\"/></DataList></name><city Caption=\"City\" "
                             "DataType=\"203\" Size=\"2147483647\"/></Customers>"));
}

TEST_F(Packets, ShapedRecordsConvertBothWaysAtEveryLevel) {
    Connection connection(Sqlite());
    RecordsetPtr customers = connection.Execute(QStringLiteral(
        "SHAPE {SELECT id, name FROM customers ORDER BY id} "
        "APPEND ((SHAPE {SELECT id, customer, amount FROM orders ORDER BY id} "
        "         APPEND ({SELECT id, order_id, product FROM items ORDER BY id} "
        "                 RELATE id TO order_id) AS Items) RELATE id TO customer) AS Orders"));
    const QString packet = PacketOf(customers);
    EXPECT_TRUE(packet.startsWith(QStringLiteral("<BVDataPacket DataShape=\"-1\">")));
    EXPECT_TRUE(packet.contains(
        QStringLiteral("<Field Name=\"Orders\" Type=\"136\"><Fields><Field Name=\"id\"")));
    EXPECT_TRUE(packet.contains(QStringLiteral(
        "<Row id=\"1\" name=\"华北商贸\"><RowData Field=\"Orders\"><Row id=\"10\" customer=\"1\" "
        "amount=\"120.5\"><RowData Field=\"Items\"><Row id=\"100\" order_id=\"10\" "
        "product=\"纸\"/><Row id=\"101\" order_id=\"10\" product=\"笔\"/></RowData></Row>")));

    RecordsetPtr back = TransXmlToAdo(packet);
    ASSERT_TRUE(back && back->IsOpen());
    EXPECT_EQ(back->RecordCount(), 3);
    // Third-level records stay with their own order, not with the first order of a customer.
    back->MoveFirst();
    RecordsetPtr orders = back->Chapter(back->FieldIndex(QStringLiteral("Orders")));
    orders->MoveLast();
    EXPECT_EQ(orders->Value(QStringLiteral("id")).toInt(), 11);
    RecordsetPtr items = orders->Chapter(orders->FieldIndex(QStringLiteral("Items")));
    ASSERT_EQ(items->RecordCount(), 1);
    EXPECT_EQ(items->Value(QStringLiteral("product")).toString(), QStringLiteral("墨"));
    EXPECT_EQ(PacketOf(back), packet);

    EXPECT_EQ(DescriptionFromRecordSet(*customers, QStringLiteral("Tree")),
              QStringLiteral("<Tree><id DataType=\"3\"/><name DataType=\"202\"/><Orders>"
                             "<id DataType=\"3\"/><customer DataType=\"3\"/><amount "
                             "DataType=\"131\"/><Items DataType=\"136\"/></Orders></Tree>"));
}

TEST(PacketShapes, SeveralChaptersOnOneLevelAllKeepTheirRecords) {
    const QString packet = QStringLiteral(
        "<BVDataPacket DataShape=\"-1\"><MetaData><Fields><Field Name=\"Name\" Type=\"202\" "
        "DefinedSize=\"10\"/><Field Name=\"A\" Type=\"136\"><Fields><Field Name=\"x\" "
        "Type=\"3\"/></Fields></Field><Field Name=\"Unit price\" Type=\"5\"/>"
        "<Field Name=\"B\" Type=\"136\"><Fields><Field Name=\"y\" Type=\"3\"/></Fields></Field>"
        "</Fields></MetaData><RowData><Row Name=\"one\" Unit_price=\"1\"><RowData Field=\"A\">"
        "<Row x=\"1\"/><Row x=\"2\"/></RowData><RowData Field=\"B\"><Row y=\"3\"/></RowData>"
        "</Row><Row Name=\"two\"><RowData Field=\"B\"><Row y=\"4\"/></RowData></Row></RowData>"
        "</BVDataPacket>");
    RecordsetPtr records = TransXmlToAdo(packet);
    ASSERT_TRUE(records && records->IsOpen());
    const int a = records->FieldIndex(QStringLiteral("A"));
    const int b = records->FieldIndex(QStringLiteral("B"));
    ASSERT_GE(a, 0);
    ASSERT_GE(b, 0);
    EXPECT_GE(records->FieldIndex(QStringLiteral("Unit price")), 0);
    EXPECT_EQ(records->Chapter(a)->RecordCount(), 2);
    EXPECT_EQ(records->Chapter(b)->RecordCount(), 1);
    records->MoveNext();
    EXPECT_EQ(records->Chapter(a)->RecordCount(), 0);
    EXPECT_EQ(records->Chapter(b)->Value(0).toInt(), 2); // the number of its holder
    EXPECT_EQ(records->Chapter(b)->Value(QStringLiteral("y")).toInt(), 4);
}

TEST(PacketShapes, EmptyShapedRecordsKeepTheirShape) {
    const QString packet = QStringLiteral(
        "<BVDataPacket DataShape=\"-1\"><MetaData><Fields><Field Name=\"Memo\" Type=\"201\" "
        "DefinedSize=\"2147483647\" Attributes=\"228\"/><Field Name=\"Items\" "
        "Type=\"136\"><Fields><Field Name=\"Qty\" Type=\"3\" Attributes=\"116\"/></Fields>"
        "</Field></Fields></MetaData><RowData/></BVDataPacket>");
    RecordsetPtr records = TransXmlToAdo(packet);
    ASSERT_TRUE(records && records->IsOpen());
    EXPECT_EQ(records->RecordCount(), 0);
    EXPECT_EQ(TransAdoToXml(records, QString()), packet);
    // A long text column written without a size holds any length, shaped or not.
    RecordsetPtr unsized =
        TransXmlToAdo(QString(packet).remove(QStringLiteral(" DefinedSize=\"2147483647\"")));
    EXPECT_EQ(unsized->Field(1).definedSize, kUnlimitedSize);
}

TEST(PacketShapes, PlainPacketsEdgeCases) {
    // Lower-case root: converted, but no field description.
    const QString lower = QStringLiteral(
        "<bvdatapacket><metadata><fields><field name=\"Memo\" type=\"201\"/>"
        "<field name=\"Qty\" type=\"3\" attributes=\"16\"/><field type=\"3\"/></fields>"
        "</metadata><rowdata><row memo=\"x\" QTY=\"\" other=\"1\"/></rowdata></bvdatapacket>");
    xml::Document doc;
    const xml::Node root = Parse(doc, lower);
    RecordsetPtr records = RecordSetFromPacket(root);
    ASSERT_TRUE(records);
    ASSERT_EQ(records->FieldCount(), 2);
    EXPECT_EQ(records->Field(0).definedSize, kUnlimitedSize);
    EXPECT_EQ(records->Field(0).attributes, adFldUpdatable);
    EXPECT_EQ(records->Field(1).attributes, 0); // given without the updatable bit
    EXPECT_EQ(records->Value(1), QVariant(0));
    EXPECT_TRUE(DescriptionFromPacket(root).isEmpty());

    const struct {
        const char* text;
        bool made;
    } cases[] = {
        {"<Other><MetaData><Fields><Field Name=\"a\"/></Fields></MetaData></Other>", false},
        {"<BVDataPacket><MetaData><Fields/></MetaData></BVDataPacket>", false},
        {"<BVDataPacket/>", false},
        {"<BVDataPacket><MetaData><Fields><Field Name=\"a\" Type=\"x\"/></Fields></MetaData>"
         "</BVDataPacket>",
         false},
        {"<BVDataPacket><MetaData><Fields><Field Name=\"c\" Type=\"136\"/></Fields></MetaData>"
         "</BVDataPacket>",
         false},
        {"<BVDataPacket><MetaData><Fields><Field Nam=\"a\"/></Fields></MetaData>"
         "</BVDataPacket>",
         false},
        {"<BVDataPacket><MetaData><Fields><Field Name=\"a\"/></Fields></MetaData>"
         "</BVDataPacket>",
         true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TransXmlToAdo(QString::fromUtf8(c.text)) != nullptr, c.made) << c.text;
    }
    EXPECT_THROW(TransXmlToAdo(QStringLiteral(
                     "<BVDataPacket DataShape=\"yes\"><MetaData><Fields><Field Name=\"a\"/>"
                     "</Fields></MetaData></BVDataPacket>")),
                 ConvertError);
    EXPECT_TRUE(TransAdoToXml(std::make_shared<Recordset>(), QString()).isEmpty());
}

TEST(PacketValues, LookupByRecordAndColumn) {
    xml::Document doc;
    const xml::Node packet =
        Parse(doc, QStringLiteral(
                       "<BVDataPacket DataShape=\"-1\"><MetaData><Fields><Field Name=\"Amount\" "
                       "Type=\"5\"/><Field Name=\"Items\" Type=\"136\"><Fields><Field Name=\"Qty\" "
                       "Type=\"3\"/></Fields></Field></Fields></MetaData><RowData>\n"
                       "  <Row AMOUNT=\"1.5\" Name=\"a\"><RowData Field=\"Items\"><Row qty=\"4\"/>"
                       "</RowData></Row>\n  <Row Amount=\"2\"/>\n</RowData></BVDataPacket>"));
    const struct {
        int record;
        const char* column;
        const char* nested;
        int nestedRecord;
        QVariant value;
    } cases[] = {
        {0, "amount", "", -1, QVariant(1.5)},
        {1, "Amount", "", -1, QVariant(2.0)},
        {0, "Name", "", -1, QVariant(QStringLiteral("a"))}, // not in Fields: text
        {2, "Amount", "", -1, QVariant()},
        {-1, "Amount", "", -1, QVariant()},
        {0, "Price", "", -1, QVariant()},
        {0, "Items", "qty", 0, QVariant(4)},
        {0, "Items", "Qty", 1, QVariant()},
        {1, "Items", "Qty", 0, QVariant()},
        {0, "Amount", "Qty", -1, QVariant(1.5)}, // no nested record asked for
    };
    for (const auto& c : cases) {
        const QVariant value = PacketValue(packet, c.record, QString::fromLatin1(c.column),
                                           QString::fromLatin1(c.nested), c.nestedRecord);
        EXPECT_EQ(value, c.value) << c.record << ' ' << c.column << ' ' << c.nested;
        EXPECT_EQ(VarTypeOf(value), VarTypeOf(c.value)) << c.record << ' ' << c.column;
    }
}
