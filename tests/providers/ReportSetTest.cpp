#include "common/Error.h"
#include "data/DataPacket.h"
#include "document/ContentText.h"
#include "document/TextCodec.h"
#include "providers/ReportSet.h"

#include "../data/SqliteFixture.h"
#include "TestSupport.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace vevezo;

namespace {

const QString kDesign = QStringLiteral(
    "<BVReport version=\"2.2\" Title=\"销售\" PaperWidth=\"2100\" PaperHeight=\"2970\">"
    "<div ID=\"A\" DataType=\"1\" DataSource=\"Orders\" DataField=\"Orders.Amount\"/>"
    "<div ID=\"B\" DataType=\"7\" DataField=\"{SUM([Sales].[Total])}\"/></BVReport>");

// A summary of what a collection holds, to compare loads of the same set in different forms.
QStringList Describe(TRptDocs& docs) {
    QStringList lines;
    for (int i = 0; i < docs.Count(); ++i) {
        TRptDoc* p = docs.Items(i);
        lines << QStringLiteral("%1|%2|%3|%4|%5")
                     .arg(p->Name())
                     .arg(p->RptID())
                     .arg(p->Default())
                     .arg(p->Tag())
                     .arg(p->XML());
        if (const auto sources = p->DataSources()) {
            for (int s = 0; s < sources->Count(); ++s) {
                TRptDSO* source = sources->Items(s);
                source->Open();
                lines << QStringLiteral("  %1 kind %2 main %3 records %4")
                             .arg(source->DataName())
                             .arg(source->DataType())
                             .arg(source->IsMain())
                             .arg(source->GetAggregateValue(QStringLiteral("amount"), 1));
            }
        }
    }
    return lines;
}

struct ReportSets : SqliteFixture {
    TRptDocs docs;

    // Two reports with their own sources: a database source (saved as a packet), an XML
    // source, a source no design uses, and one used only inside an expression.
    void Fill() {
        TRptDoc* first = docs.Add();
        first->SetName(QStringLiteral("销售月报"));
        first->SetRptID(10);
        first->SetDefault(-1);
        first->SetTag(3);
        first->SetXML(kDesign);
        ASSERT_TRUE(first->CreateDataSources());
        TRptDSOs& sources = *first->DataSources();
        sources.AddSystemSource();
        sources.SetConnectionString(Sqlite());
        TRptDSO* orders = sources.Add();
        orders->SetDataName(QStringLiteral("Orders"));
        orders->SetSource(QStringLiteral("SELECT id, amount FROM orders ORDER BY id"));
        orders->SetDataType(rptDSdb);
        orders->SetIsMain(true);
        TRptDSO* sales = sources.Add();
        sales->SetSource(QStringLiteral("<Sales><Total DataType=\"5\">9.5</Total></Sales>"));
        TRptDSO* unused = sources.Add();
        unused->SetSource(QStringLiteral("<Unused/>"));

        TRptDoc* second = docs.Add();
        second->SetXML(QStringLiteral("<BVReport Title=\"空\"/>"));
    }
};

} // namespace

TEST_F(ReportSets, EveryFileFormLoadsTheSameProvidersAndSources) {
    Fill();
    const QList<TRptDoc*> all = ListLiveProviders(docs);
    const QString xml = WriteReportSet(all, nullptr, false);
    ASSERT_FALSE(xml.isEmpty());
    EXPECT_TRUE(xml.startsWith(QStringLiteral("<BVReports CopyRight=\"vevezo\" url=\"")));
    EXPECT_FALSE(xml.contains(QStringLiteral("<System"))); // rebuilt on reading
    EXPECT_FALSE(xml.contains(QStringLiteral("<Unused")));  // no design uses it
    EXPECT_TRUE(xml.contains(QStringLiteral("<Sales>")));   // used inside an expression
    EXPECT_TRUE(xml.contains(QStringLiteral("<Item IsMain=\"-1\" DataType=\"3\"><BVDataPacket Name=\"Orders\"")));

    TRptDocs fromXml;
    bool coPages = true;
    ASSERT_TRUE(LoadReportSetText(fromXml, EncodeText(xml), coPages));
    EXPECT_FALSE(coPages);
    const QStringList expected = Describe(fromXml);
    ASSERT_EQ(fromXml.Count(), 2);
    EXPECT_EQ(fromXml.Items(1)->Name(), QStringLiteral("Untitled"));
    EXPECT_EQ(expected[0], QStringLiteral("销售月报|10|-1|3|") + kDesign);
    EXPECT_EQ(expected[1], QStringLiteral("  System kind 1 main 0 records 0"));
    EXPECT_EQ(expected[2], QStringLiteral("  Orders kind 3 main 1 records 3"));
    EXPECT_EQ(expected[3], QStringLiteral("  Sales kind 1 main 0 records 0"));

    const QString dir = dir_.path();
    for (const char* name : {"set.rpp", "set.ZRP", "set.htm", "set.txt"}) {
        const QString file = dir + QLatin1Char('/') + QLatin1String(name);
        SaveReportSet(file, all, nullptr, true);
        TRptDocs loaded;
        bool runOn = false;
        ASSERT_TRUE(OpenReportSetFile(loaded, file, runOn)) << name;
        EXPECT_TRUE(runOn) << name;
        EXPECT_EQ(Describe(loaded), expected) << name;
    }
    QFile page(dir + QStringLiteral("/set.txt")); // any other extension is an HTML page
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_TRUE(page.readAll().startsWith("<!DOCTYPE HTML"));

    // The mail form holds the same content inside a full-size table.
    const QString mail = ReportSetPage(all, nullptr, false, true);
    EXPECT_TRUE(mail.contains(QStringLiteral("<TABLE BORDER=\"0\"")));
    EXPECT_TRUE(mail.contains(PackText(xml, kPackSixBit).toString()));
    EXPECT_TRUE(ReportSetPage({}, nullptr, false, true).isEmpty());

    // Content text, with line breaks every 76 characters, and the raw compressed bytes.
    QString content = PackText(xml, kPackSixBit).toString();
    for (qsizetype at = 76; at < content.size(); at += 78) {
        content.insert(at, QStringLiteral("\r\n"));
    }
    TRptDocs fromContent;
    ASSERT_TRUE(LoadReportSetText(fromContent, content.toLatin1(), coPages));
    EXPECT_EQ(Describe(fromContent), expected);
    TRptDocs fromBytes;
    ASSERT_TRUE(LoadReportSetVariant(fromBytes, PackText(xml, 1), coPages));
    EXPECT_EQ(Describe(fromBytes), expected);
}

TEST_F(ReportSets, SharedSourcesAreFilteredAgainstEveryDesign) {
    TRptDocs shared;
    shared.Add()->SetXML(QStringLiteral("<BVReport><div DataSource=\"orders\"/></BVReport>"));
    shared.Add()->SetXML(QStringLiteral("<BVReport><div DataField=\"[Shop].Name\"/></BVReport>"));
    shared.SetSingleDataSources(1);
    TRptDSOs& sources = *shared.DataSources();
    sources.AddSystemSource();
    for (const char* text : {"<Orders/>", "<Shop/>", "<Other/>"}) {
        sources.Add()->SetSource(QString::fromLatin1(text));
    }
    const QString xml = WriteReportSet(ListLiveProviders(shared), &sources, false);
    EXPECT_TRUE(xml.contains(QStringLiteral("<DataSources><Item DataType=\"1\"><Orders/></Item>"
                                            "<Item DataType=\"1\"><Shop/></Item></DataSources>")));
    TRptDocs loaded;
    bool coPages = false;
    ASSERT_TRUE(LoadReportSetText(loaded, EncodeText(xml), coPages));
    EXPECT_TRUE(loaded.SingleDataSources());
    ASSERT_EQ(loaded.Count(), 2);
    EXPECT_EQ(loaded.Items(0)->DataSources(), loaded.DataSources());
    EXPECT_EQ(loaded.DataSources()->Count(), 3); // System, Orders, Shop
    EXPECT_EQ(loaded.DataSources()->IndexOf(QStringLiteral("System")), 0);
}

TEST(ReportSetReading, RootUrlItemsAndFlags) {
    const struct {
        const char* text;
        bool loads;
        int providers;
        bool coPages;
    } cases[] = {
        {"<BVReports url=\"HTTP://WWW.VEVEZO.ORG/\"><Item><BVReport/></Item></BVReports>", true, 1,
         false},
        {"<BVReports><Item><BVReport/></Item></BVReports>", false, 0, false},
        {"<BVReports url=\"http://elsewhere/\"/>", false, 0, false},
        {"<bvreports url=\"http://www.vevezo.org/\"/>", false, 0, false},
        {"<BVReports url=\"http://www.vevezo.org/\" CoPages=\"True\"><Item Name=\"\"><BVReport/>"
         "</Item><Item Name=\"x\"/><Other><BVReport/></Other></BVReports>",
         true, 2, true},
        {"<BVReports url=\"http://www.vevezo.org/\" CoPages=\"1\"/>", true, 0, true},
        {"<BVReports url=\"http://www.vevezo.org/\" CoPages=\"\"/>", true, 0, false},
        {"<HTML><BODY/></HTML>", false, 0, false},
        {"not xml", false, 0, false},
    };
    for (const auto& c : cases) {
        TRptDocs docs;
        bool coPages = false;
        EXPECT_EQ(LoadReportSetText(docs, QByteArray(c.text), coPages), c.loads) << c.text;
        EXPECT_EQ(docs.Count(), c.providers) << c.text;
        EXPECT_EQ(coPages, c.coPages) << c.text;
    }
    TRptDocs docs;
    bool coPages = false;
    EXPECT_THROW(LoadReportSetText(docs, "<BVReports url=\"http://www.vevezo.org/\" CoPages=\"yes\"/>",
                                   coPages),
                 ConvertError);
}

TEST(ReportSetReading, OlderDatabaseItemsAndSystemSource) {
    const QString packet = QStringLiteral(
        "<BVDataPacket><MetaData><Fields><Field Name=\"n\" Type=\"3\"/></Fields></MetaData>"
        "<RowData><Row n=\"1\"/><Row n=\"2\"/></RowData></BVDataPacket>");
    const QByteArray text = EncodeText(QStringLiteral(
        "<BVReports url=\"http://www.vevezo.org/\"><Item Name=\"r\" ReportID=\"4\" Default=\"1\" "
        "Tag=\"\"><BVReport/><DataSources><Item DataType=\"2\" IsMain=\"-1\"><DataName><Old "
        "Caption=\"旧\"><n Caption=\"编号\"/></Old></DataName><Data>%1</Data></Item>"
        "<Item DataType=\"9\"/><Item><x/></Item></DataSources></Item></BVReports>")
                                           .arg(packet));
    TRptDocs docs;
    bool coPages = false;
    ASSERT_TRUE(LoadReportSetText(docs, text, coPages));
    TRptDoc* provider = docs.Items(0);
    EXPECT_EQ(provider->RptID(), 4);
    EXPECT_EQ(provider->Default(), 1);
    const auto sources = provider->DataSources();
    ASSERT_EQ(sources->Count(), 2);
    EXPECT_EQ(sources->Items(0)->DataName(), QStringLiteral("System"));
    TRptDSO* old = sources->Items(1);
    EXPECT_EQ(old->DataName(), QStringLiteral("Old"));
    EXPECT_EQ(old->DataType(), rptDSdb);
    EXPECT_TRUE(old->IsMain());
    EXPECT_EQ(sources->GetValue(1, QString(), QStringLiteral("Old.n"), 0, QString(), 2, 1, nullptr),
              QVariant(2));
}
