#include "TestSupport.h"
#include "document/FixedSources.h"
#include "document/RptDesigner.h"
#include "document/RptText.h"
#include "pages/ElementText.h"
#include "pages/ImageCanvas.h"
#include "pages/RecordingDevice.h"

#include <gtest/gtest.h>

using namespace vevezo;

namespace {

constexpr QRgb kCyan = 0x00FFFF;
constexpr TColor kLightYellow = RGBColor(255, 255, 192);

// The texts an element paints on the design surface.
QStringList SurfaceTexts(TRptText& element) {
    RecordingDevice device;
    QPainter painter(&device);
    Canvas canvas(painter);
    element.PaintOnSurface(canvas);
    QStringList texts;
    for (const RecordedOp& op : device.OpsOf(RecordedOp::Text)) {
        texts << op.text;
    }
    return texts;
}

// A 40 x 20 element on a page.
struct RptTextSurface : ::testing::Test {
    TRptDesigner page;
    TRptText* element = new TRptText(&page);

    void SetUp() override { element->SetBounds(QRect(0, 0, 40, 20)); }
};

} // namespace

TEST_F(RptTextSurface, WhiteBackgroundIsPaintedInsideTheOuterPixel) {
    ImageCanvas c(QSize(40, 20), Qt::cyan);
    element->PaintOnSurface(*c);
    EXPECT_EQ(c.At(1, 1), kWhite);
    EXPECT_EQ(c.At(38, 18), kWhite);
    EXPECT_EQ(c.At(0, 0), kCyan);
    EXPECT_EQ(c.At(39, 19), kCyan);
}

TEST_F(RptTextSurface, ColouredAndTransparentBackgrounds) {
    element->SetColor(kLightYellow);
    ImageCanvas yellow(QSize(40, 20), Qt::cyan);
    element->PaintOnSurface(*yellow);
    EXPECT_EQ(yellow.At(20, 10), Rgb(kLightYellow));

    element->SetTransparent(true);
    ImageCanvas clear(QSize(40, 20), Qt::cyan);
    element->PaintOnSurface(*clear);
    EXPECT_EQ(clear.At(20, 10), kCyan);
}

TEST_F(RptTextSurface, FrameKeepsInsideTheRightAndBottomEdges) {
    element->SetBorder(1);
    element->SetBorderColor(clRed);
    element->SetColor(kLightYellow);
    ImageCanvas c(QSize(40, 20), Qt::cyan);
    element->PaintOnSurface(*c);
    EXPECT_EQ(c.At(1, 1), Rgb(clRed));
    EXPECT_EQ(c.At(38, 1), Rgb(clRed));
    EXPECT_EQ(c.At(38, 18), Rgb(clRed));
    EXPECT_EQ(c.At(1, 18), Rgb(clRed));
    EXPECT_EQ(c.At(39, 10), kCyan);
    EXPECT_EQ(c.At(2, 2), Rgb(kLightYellow));
    EXPECT_EQ(c.At(37, 17), Rgb(kLightYellow));
}

TEST_F(RptTextSurface, SideLinesAreDarkTopLeftAndLightBottomRight) {
    element->SetBorders(bsTop | bsLeft | bsRight | bsBottom);
    element->SetBorderColorDark(clRed);
    element->SetBorderColorLight(clBlue);
    ImageCanvas c(QSize(40, 20), Qt::cyan);
    element->PaintOnSurface(*c);
    EXPECT_EQ(c.At(10, 1), Rgb(clRed));
    EXPECT_EQ(c.At(1, 10), Rgb(clRed));
    EXPECT_EQ(c.At(39, 10), Rgb(clBlue));
    EXPECT_EQ(c.At(10, 19), Rgb(clBlue));
    EXPECT_EQ(c.At(10, 10), kWhite);
}

TEST_F(RptTextSurface, BoundElementShowsItsPlaceholderOnGrey) {
    page.SetShowSource(true);
    element->SetBounds(QRect(0, 0, 200, 20));
    element->SetDataField(QStringLiteral("Orders.Amount"));
    element->SetText(QStringLiteral("ignored"));
    element->SetDataType(rdtDataListMask + rdtDataSum);
    EXPECT_EQ(SurfaceTexts(*element).join(QString()), QStringLiteral("Sum(Orders.Amount)"));
    element->SetDataType(rdtDataSum);
    EXPECT_EQ(SurfaceTexts(*element).join(QString()), QStringLiteral("Sum(Orders.Amount)"));
    element->SetDataType(rdtDataCaption);
    EXPECT_EQ(SurfaceTexts(*element).join(QString()), QStringLiteral("Caption(Orders.Amount)"));
    element->SetDataType(rdtDataCount);
    EXPECT_EQ(SurfaceTexts(*element).join(QString()), QStringLiteral("Count(Orders.Amount)"));
    element->SetDataType(rdtExpress);
    EXPECT_EQ(SurfaceTexts(*element).join(QString()), QStringLiteral("Orders.Amount"));

    // Bound text is backed in grey; a full stop leaves the top of its line free of ink.
    element->SetDataField(QStringLiteral("."));
    element->SetVAlign(tlTop);
    ImageCanvas c(QSize(200, 20), Qt::cyan);
    element->PaintOnSurface(*c);
    EXPECT_EQ(c.At(3, 3), Rgb(kBoundTextBackground));
}

TEST_F(RptTextSurface, UnboundTextHasNoGreyBackground) {
    element->SetBounds(QRect(0, 0, 200, 20));
    element->SetText(QStringLiteral("."));
    element->SetVAlign(tlTop);
    EXPECT_EQ(SurfaceTexts(*element), QStringList{QStringLiteral(".")});
    ImageCanvas c(QSize(200, 20), Qt::cyan);
    element->PaintOnSurface(*c);
    EXPECT_EQ(c.At(3, 3), kWhite);
}

TEST_F(RptTextSurface, PreviewRowValueReplacesThePlaceholderUnlessEmpty) {
    FixedSources sources;
    page.SetProvider(&sources);
    page.SetPreviewRow(7);
    element->SetBounds(QRect(0, 0, 200, 20));
    element->SetDataType(rdtDataValue);
    element->SetDataSource(QStringLiteral("Orders"));
    element->SetDataField(QStringLiteral("Orders.Amount"));
    element->SetFormatType(2);
    element->SetFormat(QStringLiteral("0.00"));
    sources.answer = QStringLiteral("12.50");
    EXPECT_EQ(SurfaceTexts(*element), QStringList{QStringLiteral("12.50")});
    EXPECT_EQ(sources.requests, QStringList{QStringLiteral("1|Orders|Orders.Amount|2|0.00|7|0")});

    sources.answer = QVariant();
    EXPECT_EQ(SurfaceTexts(*element), QStringList{QStringLiteral("Orders.Amount")});

    page.SetShowSource(true);
    sources.requests.clear();
    EXPECT_EQ(SurfaceTexts(*element), QStringList{QStringLiteral("Orders.Amount")});
    EXPECT_TRUE(sources.requests.isEmpty());
    page.SetProvider(nullptr);
}
