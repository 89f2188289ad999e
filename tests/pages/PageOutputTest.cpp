#include "common/Error.h"
#include "data/RptDSOs.h"
#include "pages/PageOutput.h"
#include "providers/RptDocs.h"

#include "TestSupport.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vevezo;

namespace {

// Three people, one page each: a yellow box with the name and the page number.
struct ThreePages : ::testing::Test {
    TRptDocs docs;
    TRptEMFMakers makers;
    QTemporaryDir dir;

    void SetUp() override {
        TRptDoc* provider = docs.Add();
        provider->SetXML(QStringLiteral(
            "<BVReport Title=\"名册\" PaperWidth=\"1000\" PaperHeight=\"500\">"
            "<div ID=\"Name\" Left=\"10\" Top=\"10\" Width=\"200\" Height=\"30\" BgColor=\"#00FFFF\" "
            "DataType=\"1\" DataField=\"People.Name\"/><div ID=\"No\" Left=\"10\" Top=\"60\" "
            "Width=\"200\" Height=\"30\" DataType=\"1\" DataField=\"System.Page\" "
            "FormatType=\"1\"/></BVReport>"));
        provider->CreateDataSources();
        TRptDSOs& sources = *provider->DataSources();
        sources.AddSystemSource();
        TRptDSO* people = sources.Add();
        people->SetSource(QStringLiteral(
            "<BVDataPacket Name=\"People\"><MetaData><Fields><Field Name=\"Name\" Type=\"202\"/>"
            "</Fields></MetaData><RowData><Row Name=\"张三\"/><Row Name=\"李四\"/>"
            "<Row Name=\"王五\"/></RowData></BVDataPacket>"));
        people->SetDataType(rptDSxmldb);
        people->Open();
        people->SetIsMain(true);
        makers.Add()->SetProvider(provider);
    }
};

} // namespace

TEST_F(ThreePages, PdfHoldsRealTextOfEveryPage) {
    const QString pdf = dir.filePath(QStringLiteral("names.pdf"));
    QList<int> progress;
    RenderToPdf(PagesOf(makers), pdf, 300, [&](int done, int) { progress << done; });
    EXPECT_EQ(progress, (QList<int>{1, 2, 3}));
    QProcess extract;
    extract.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(extract.waitForFinished(20000)) << "pdftotext is installed by scripts/setup";
    const QString text = QString::fromUtf8(extract.readAllStandardOutput());
    for (const char* expected : {"张三", "李四", "王五", "第 3 页"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << text.toStdString();
    }
}

TEST_F(ThreePages, PngPagesAtTheChosenResolution) {
    const QStringList files =
        RenderToPng(PagesOf(makers, QStringLiteral("2-3")), dir.filePath(QStringLiteral("p.png")), 192);
    ASSERT_EQ(files.size(), 2);
    EXPECT_TRUE(files[0].endsWith(QStringLiteral("p-1.png")));
    QImage image(files[0]);
    // 1000 x 500 tenths of a millimetre at 192 dpi.
    EXPECT_EQ(image.size(), QSize(756, 378));
    // The yellow box: design (11 .. 211, 11 .. 41), twice as large at 192 dpi.
    EXPECT_EQ(image.pixelColor(30, 70), QColor(255, 255, 0));
    EXPECT_EQ(image.pixelColor(700, 300), QColor(255, 255, 255));
}

TEST_F(ThreePages, SvgPagesAndPageRanges) {
    const QStringList files = RenderToSvg(PagesOf(makers, QStringLiteral("3")),
                                          dir.filePath(QStringLiteral("one.svg")));
    ASSERT_EQ(files, QStringList{dir.filePath(QStringLiteral("one.svg"))});
    QFile svg(files.first());
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(svg.readAll()).contains(QStringLiteral("王五")));

    const struct {
        const char* ranges;
        int pages;
    } cases[] = {{"", 3}, {"1", 1}, {"1-2,3", 3}, {"2-9", 2}, {" 1 , 3 ", 2}};
    for (const auto& c : cases) {
        EXPECT_EQ(PagesOf(makers, QString::fromLatin1(c.ranges)).size(), c.pages) << c.ranges;
    }
    for (const char* bad : {"0", "3-1", "a", "1-2-3", "-2"}) {
        EXPECT_THROW(PagesOf(makers, QString::fromLatin1(bad)), Error) << bad;
    }
}
