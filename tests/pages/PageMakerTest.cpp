#include "RecordingDevice.h"
#include "TestSupport.h"
#include "data/RptDSOs.h"
#include "pages/RptEMFMakers.h"
#include "providers/RptDocs.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace vevezo;

namespace {

// A report whose one text element shows the main source's Name for the page's record, and the
// page number.
QString Design(const char* version = "2.2") {
    return QStringLiteral(
               "<BVReport version=\"%1\" PaperWidth=\"1000\" PaperHeight=\"1000\">"
               "<div ID=\"Name\" Left=\"10\" Top=\"10\" Width=\"200\" Height=\"20\" Border=\"3\" "
               "DataType=\"1\" DataField=\"People.Name\"/>"
               "<div ID=\"No\" Left=\"10\" Top=\"40\" Width=\"200\" Height=\"20\" DataType=\"1\" "
               "DataField=\"System.Page\" FormatType=\"2\" Format=\"第 # 页\"/></BVReport>")
        .arg(QLatin1String(version));
}

QString Packet(int records) {
    QString rows;
    for (int i = 1; i <= records; ++i) {
        rows += QStringLiteral("<Row Name=\"人%1\"/>").arg(i);
    }
    return QStringLiteral("<BVDataPacket Name=\"People\"><MetaData><Fields><Field Name=\"Name\" "
                          "Type=\"202\"/></Fields></MetaData><RowData>%1</RowData></BVDataPacket>")
        .arg(rows);
}

void AddPeople(TRptDoc& provider, int records) {
    provider.CreateDataSources();
    TRptDSOs& sources = *provider.DataSources();
    sources.AddSystemSource();
    TRptDSO* people = sources.Add();
    people->SetSource(Packet(records));
    people->SetDataType(rptDSxmldb);
    people->Open();
    people->SetIsMain(true);
}

// Every text drawn on a page, in drawing order.
QStringList TextsOf(TEMFPages& pages, int index, int dpi = 96) {
    RecordingDevice device(QSize(2000, 2000), dpi);
    QPainter painter(&device);
    Canvas canvas(painter);
    pages.PaintPage(index, canvas, 0, 0);
    painter.end();
    QStringList texts;
    for (const RecordedOp& op : device.OpsOf(RecordedOp::Text)) {
        texts << op.text;
    }
    return texts;
}

} // namespace

TEST(PageMaker, OnePageWithoutSourcesOrRecords) {
    TRptDocs docs;
    TRptDoc* provider = docs.Add();
    provider->SetXML(Design());
    TRptEMFMaker maker;
    maker.SetProvider(provider);
    EXPECT_EQ(maker.Pages().Count(), 1); // no data sources
    EXPECT_EQ(maker.Pages().Items(0)->Record, 1);
    EXPECT_EQ(maker.Pages().Items(0)->Width, 378); // 1000 tenths of a millimetre at 96 dpi

    AddPeople(*provider, 0);
    maker.MakePages(true);
    EXPECT_EQ(maker.Pages().Count(), 1); // an empty main source
}

TEST(PageMaker, OnePagePerRecordOfTheMainSource) {
    TRptDocs docs;
    TRptDoc* provider = docs.Add();
    provider->SetXML(Design());
    AddPeople(*provider, 5);
    TRptEMFMaker maker;
    maker.SetProvider(provider);
    ASSERT_EQ(maker.Pages().Count(), 5);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(maker.Pages().Items(k)->Record, k + 1);
        const QString texts = TextsOf(maker.Pages(), k).join(QLatin1Char('|'));
        EXPECT_TRUE(texts.contains(QStringLiteral("人%1").arg(k + 1))) << texts.toStdString();
        EXPECT_TRUE(texts.contains(QStringLiteral("第 %1 页").arg(k + 1))) << texts.toStdString();
    }
    maker.MakePages(false); // pages exist: nothing changes
    EXPECT_EQ(maker.Pages().Count(), 5);
}

TEST(PageMaker, RunOnNumberingAcrossReports) {
    TRptDocs docs;
    TRptEMFMakers makers;
    for (int records : {3, 4}) {
        TRptDoc* provider = docs.Add();
        provider->SetXML(Design());
        AddPeople(*provider, records);
        makers.Add()->SetProvider(provider);
    }
    EXPECT_EQ(makers.TotalPages(), 7);
    TEMFPages& second = makers.Items(1)->Pages();
    const auto answers = [&](int page) {
        second.CurrentPage = page;
        return std::pair(second.GetPageInfo(1), second.GetPageInfo(2));
    };
    makers.SetRunOn(true);
    EXPECT_EQ(answers(1), std::pair(4, 7));
    EXPECT_EQ(answers(4), std::pair(7, 7));
    makers.SetRunOn(false);
    EXPECT_EQ(answers(1), std::pair(1, 4));
    EXPECT_EQ(answers(4), std::pair(4, 4));
    EXPECT_EQ(second.GetPageInfo(3), 1); // the main source's index
    EXPECT_EQ(second.GetPageInfo(4), 0); // no page data
    EXPECT_FALSE(makers.AnyTiled());
}

TEST(PageMaker, NewerDesignsGetANoticeOnRenderedPagesOnly) {
    TRptDocs docs;
    for (const char* version : {"3.0", "2.2"}) {
        TRptDoc* provider = docs.Add();
        provider->SetXML(Design(version));
        TRptEMFMaker maker;
        maker.SetProvider(provider);
        maker.Pages().RenderPage(0);
        ASSERT_TRUE(maker.Pages().Items(0)->Rendered);
        RecordingDevice device(QSize(400, 400));
        QPainter painter(&device);
        painter.drawPicture(0, 0, maker.Pages().PageMetafile(0)->Picture());
        painter.end();
        bool notice = false;
        for (const RecordedOp& op : device.OpsOf(RecordedOp::Text)) {
            notice = notice || op.text.contains(QStringLiteral("更高版本"));
        }
        EXPECT_EQ(notice, QByteArray(version) == "3.0") << version;
        EXPECT_FALSE(
            TextsOf(maker.Pages(), 0).join(QString()).contains(QStringLiteral("更高版本")));
    }
}

TEST(PageMaker, PrinterResolutionScalesElements) {
    TRptDocs docs;
    TRptDoc* provider = docs.Add();
    provider->SetXML(Design());
    TRptEMFMaker maker;
    maker.SetProvider(provider);
    maker.SetResolutionX(600);
    maker.SetResolutionY(600);
    EXPECT_DOUBLE_EQ(maker.Pages().ScaleX(), 6.25);
    EXPECT_DOUBLE_EQ(maker.Pages().ScaleY(), 6.25);
    // The frame of the first element starts at (10 + 1) * 6.25, rounded: 69.
    RecordingDevice device(QSize(8000, 8000), 600);
    QPainter painter(&device);
    Canvas canvas(painter);
    maker.Pages().PaintPage(0, canvas, 0, 0);
    painter.end();
    const QList<RecordedOp> lines = device.OpsOf(RecordedOp::Polygon);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first().points.first(), QPointF(69, 69));
}

TEST(PageMaker, DrawingAPageRendersItOnceAndScalesItIntoTheRectangle) {
    TRptDocs docs;
    TRptDoc* provider = docs.Add();
    provider->SetXML(QStringLiteral(
        "<BVReport PaperWidth=\"1000\" PaperHeight=\"1000\"><div ID=\"Box\" Left=\"0\" "
        "Top=\"0\" Width=\"100\" Height=\"100\" BgColor=\"#FF0000\"/></BVReport>"));
    TRptEMFMaker maker;
    maker.SetProvider(provider);
    QImage image(756, 756, QImage::Format_RGB32); // twice the page's 378 design pixels
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        maker.Pages().DrawPage(0, canvas, PixelRect{0, 0, 756, 756});
    }
    EXPECT_TRUE(maker.Pages().Items(0)->Rendered);
    EXPECT_EQ(image.pixelColor(100, 100), QColor(0, 0, 255)); // the blue box, doubled
    EXPECT_EQ(image.pixelColor(400, 400), QColor(255, 255, 255));
    const MetafilePage* first = maker.Pages().PageMetafile(0);
    maker.Pages().RenderPage(0);
    EXPECT_EQ(maker.Pages().PageMetafile(0), first); // rendered once
    maker.Pages().RenderPage(0, true);
    EXPECT_NE(maker.Pages().PageMetafile(0), nullptr);
}
