#include "TestSupport.h"
#include "document/FixedSources.h"
#include "document/RptDesigner.h"
#include "document/RptText.h"
#include "pages/ImageCanvas.h"
#include "pages/RecordingDevice.h"

#include <gtest/gtest.h>

using namespace vevezo;

namespace {

constexpr QRgb kCyan = 0x00FFFF;
constexpr TColor kLightYellow = RGBColor(255, 255, 192);

struct PageFixture : ::testing::Test {
    TRptDesigner page;
    TRptText* element = new TRptText(&page);

    void SetUp() override {
        element->SetBounds(QRect(10, 5, 40, 20));
        element->SetVAlign(tlTop);
        element->SetText(QStringLiteral("X"));
    }

    // The text operations of one rendering onto a recording device of the resolution.
    QList<RecordedOp> RenderTexts(double sx, double sy, int dpi = 96,
                                  const ValueLookup& lookup = {}) {
        RecordingDevice device(QSize(2000, 2000), dpi);
        QPainter painter(&device);
        Canvas canvas(painter);
        element->RenderOnPage(canvas, 3, &page, lookup, sx, sy, 0, 0);
        return device.OpsOf(RecordedOp::Text);
    }
};

} // namespace

TEST_F(PageFixture, WhiteBackgroundIsLeftUnpaintedOnPages) {
    element->SetText(QString());
    ImageCanvas white(QSize(80, 40), Qt::cyan);
    element->RenderOnPage(*white, 1, &page, {}, 1, 1, 0, 0);
    EXPECT_FALSE(white.ChangedOutside(QRect(), kCyan));

    element->SetColor(kLightYellow);
    ImageCanvas yellow(QSize(80, 40), Qt::cyan);
    element->RenderOnPage(*yellow, 1, &page, {}, 1, 1, 0, 0);
    // The page frame puts the element one pixel further right and down.
    EXPECT_EQ(yellow.At(11, 6), Rgb(kLightYellow));
    EXPECT_EQ(yellow.At(50, 25), Rgb(kLightYellow));
    EXPECT_EQ(yellow.At(10, 5), kCyan);
    EXPECT_EQ(yellow.At(51, 26), kCyan);
}

TEST_F(PageFixture, OffsetsMoveTheElement) {
    element->SetText(QString());
    element->SetColor(kLightYellow);
    ImageCanvas c(QSize(120, 80), Qt::cyan);
    element->RenderOnPage(*c, 1, &page, {}, 1, 1, 30, 40);
    EXPECT_EQ(c.At(41, 46), Rgb(kLightYellow));
    EXPECT_EQ(c.At(40, 45), kCyan);
}

TEST_F(PageFixture, FrameRunsThroughTheCornersOfTheElement) {
    element->SetText(QString());
    element->SetBorder(1);
    element->SetBorderColor(clRed);
    ImageCanvas c(QSize(80, 40), Qt::cyan);
    element->RenderOnPage(*c, 1, &page, {}, 1, 1, 0, 0);
    EXPECT_EQ(c.At(11, 6), Rgb(clRed));
    EXPECT_EQ(c.At(51, 6), Rgb(clRed));
    EXPECT_EQ(c.At(51, 26), Rgb(clRed));
    EXPECT_EQ(c.At(11, 26), Rgb(clRed));
    EXPECT_EQ(c.At(30, 15), kCyan);
}

TEST_F(PageFixture, WideDashedFrameStaysDashed) {
    element->SetText(QString());
    element->SetBounds(QRect(10, 5, 200, 40));
    element->SetBorder(3);
    element->SetBorderWidth(3);
    element->SetBorderStyle(psDash);
    ImageCanvas dashed(QSize(240, 60));
    element->RenderOnPage(*dashed, 1, &page, {}, 1, 1, 0, 0);
    // The outline is pulled in by half the width: its top runs along row 6 + 1.
    EXPECT_GE(dashed.ChangesAlongRow(7, 20, 200), 6);

    element->SetBorderStyle(psSolid);
    ImageCanvas solid(QSize(240, 60));
    element->RenderOnPage(*solid, 1, &page, {}, 1, 1, 0, 0);
    EXPECT_EQ(solid.ChangesAlongRow(7, 20, 200), 0);
    EXPECT_EQ(solid.At(100, 7), Rgb(clBlack));
    EXPECT_EQ(solid.At(100, 6), Rgb(clBlack));
    EXPECT_EQ(solid.At(100, 8), Rgb(clBlack));
}

TEST_F(PageFixture, TextStartsInsideBorderAndPadding) {
    element->SetBounds(QRect(10, 20, 100, 30));
    element->SetBorder(2);
    element->SetPadding(0);
    const auto texts = RenderTexts(1, 1);
    ASSERT_EQ(texts.size(), 1);
    // Origin (11, 21); the border takes 2 and the padding 0 + 1.
    EXPECT_EQ(texts[0].clip, QRectF(14, 24, 94, 24));
    EXPECT_DOUBLE_EQ(texts[0].position.x(), 14);

    element->SetBorder(0);
    EXPECT_EQ(RenderTexts(1, 1)[0].clip, QRectF(12, 22, 98, 28));
}

TEST_F(PageFixture, ScaleFactorsRoundTiesToEven) {
    // 600 dpi against 96: 6.25.
    element->SetBounds(QRect(10, 20, 100, 30));
    const auto texts = RenderTexts(6.25, 6.25, 600);
    ASSERT_EQ(texts.size(), 1);
    // Origin (68.75 -> 69, 131.25 -> 131), size (625, 187.5 -> 188), inset 2 x 6.25 = 12.5 -> 12.
    EXPECT_EQ(texts[0].clip, QRectF(69 + 12, 131 + 12, 625 - 24, 188 - 24));
}

TEST_F(PageFixture, FontIsRefittedOnlyWhenTheVerticalScaleIsNotOne) {
    const auto unchanged = RenderTexts(6.25, 1, 600);
    ASSERT_FALSE(unchanged.isEmpty());
    EXPECT_EQ(unchanged[0].font.pixelSize(), 12);
    const auto refitted = RenderTexts(6.25, 6.25, 600);
    ASSERT_FALSE(refitted.isEmpty());
    // Nine points at 600 pixels per inch.
    EXPECT_EQ(refitted[0].font.pixelSize(), 75);
    EXPECT_EQ(element->Font().height, -12);
}

TEST_F(PageFixture, BoundValueComesFromTheLookupForTheRecord) {
    FixedSources sources;
    page.SetProvider(&sources);
    element->SetDataType(rdtDataValue);
    element->SetDataSource(QStringLiteral("S"));
    element->SetDataField(QStringLiteral("S.F"));
    sources.answer = 42;
    const auto texts = RenderTexts(1, 1, 96, page.SourceDataLookup());
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(texts[0].text, QStringLiteral("42"));
    EXPECT_EQ(sources.requests, QStringList{QStringLiteral("1|S|S.F|0||3|0")});
    // Without a lookup the element shows its own text.
    EXPECT_EQ(RenderTexts(1, 1)[0].text, QStringLiteral("X"));
    // An empty value shows nothing.
    sources.answer = QVariant();
    EXPECT_TRUE(RenderTexts(1, 1, 96, page.SourceDataLookup()).isEmpty());
    page.SetProvider(nullptr);
}

TEST_F(PageFixture, BoundTextIsNeverGreyOnPages) {
    element->SetDataType(rdtDataValue);
    element->SetText(QStringLiteral("."));
    ImageCanvas c(QSize(80, 40), Qt::cyan);
    element->RenderOnPage(*c, 1, &page, {}, 1, 1, 0, 0);
    // Origin (11, 6) plus padding 1 + 1.
    EXPECT_EQ(c.At(13, 8), kCyan);
}
