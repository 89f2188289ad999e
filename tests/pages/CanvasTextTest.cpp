#include "TestSupport.h"
#include "pages/ImageCanvas.h"
#include "pages/RecordingDevice.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

using namespace vevezo;

namespace {

// The leftmost and rightmost columns holding a pixel that is not white, or (-1, -1).
std::pair<int, int> InkColumns(const QImage& image) {
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if ((image.pixel(x, y) & 0xFFFFFF) != kWhite) {
                first = first < 0 ? x : first;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

} // namespace

TEST(CanvasText, FontIsGivenToQtByItsPixelHeightWhateverTheDevice) {
    RecordingDevice device(QSize(400, 400), 600);
    QPainter painter(&device);
    Canvas canvas(painter);
    canvas.DrawText({0, 0, 400, 100}, QStringLiteral("Ab"), dtLeft);
    const auto texts = device.OpsOf(RecordedOp::Text);
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_EQ(texts.front().font.pixelSize(), 12);
    EXPECT_EQ(texts.front().penColor, QColor(Qt::black));
}

TEST(CanvasText, AmpersandIsShownAsItIs) {
    RecordingDevice device;
    QPainter painter(&device);
    Canvas canvas(painter);
    canvas.DrawText({0, 0, 400, 100}, QStringLiteral("A&B"), dtLeft);
    QString drawn;
    for (const RecordedOp& op : device.OpsOf(RecordedOp::Text)) {
        drawn += op.text;
    }
    EXPECT_EQ(drawn, QStringLiteral("A&B"));
}

TEST(CanvasText, MeasuringAnswersTheHeightOfTheWrappedLines) {
    ImageCanvas c(QSize(10, 10));
    const int line = c->MeasureText({0, 0, 400, 0}, QStringLiteral("x"), dtLeft);
    EXPECT_GT(line, 0);
    EXPECT_EQ(c->MeasureText({0, 0, 400, 0}, QStringLiteral("x\r\ny\nz"), dtLeft), 3 * line);
    const QString words = QStringLiteral("one two three four five six");
    EXPECT_EQ(c->MeasureText({0, 0, 400, 0}, words, dtWordBreak), line);
    EXPECT_GT(c->MeasureText({0, 0, 40, 0}, words, dtWordBreak), 2 * line);
    EXPECT_EQ(c->MeasureText({0, 0, 40, 0}, words, dtLeft), line);
    EXPECT_EQ(c->MeasureText({0, 0, 40, 0}, QString(), dtWordBreak), 0);
}

TEST(CanvasText, TextIsClippedToItsRectangle) {
    ImageCanvas c(QSize(60, 60));
    c->Font().SetHeight(-40);
    c->DrawText({10, 10, 30, 30}, QStringLiteral("WWW\nWWW"), dtLeft);
    EXPECT_FALSE(c.ChangedOutside(QRect(10, 10, 20, 20), kWhite));
    EXPECT_TRUE(c.ChangedOutside(QRect(), kWhite));

    ImageCanvas free(QSize(60, 60));
    free->Font().SetHeight(-40);
    free->DrawText({10, 10, 30, 30}, QStringLiteral("WWW\nWWW"), dtNoClip);
    EXPECT_TRUE(free.ChangedOutside(QRect(10, 10, 20, 20), kWhite));
}

TEST(CanvasText, LinesAreAlignedInTheRectangle) {
    ImageCanvas left(QSize(200, 30));
    left->DrawText({0, 0, 200, 30}, QStringLiteral("MMM"), dtLeft);
    ImageCanvas right(QSize(200, 30));
    right->DrawText({0, 0, 200, 30}, QStringLiteral("MMM"), dtRight);
    ImageCanvas centre(QSize(200, 30));
    centre->DrawText({0, 0, 200, 30}, QStringLiteral("MMM"), dtCenter);
    const auto [leftFirst, leftLast] = InkColumns(left.Finish());
    const auto [rightFirst, rightLast] = InkColumns(right.Finish());
    const auto [centreFirst, centreLast] = InkColumns(centre.Finish());
    EXPECT_LT(leftFirst, 3);
    EXPECT_GT(rightLast, 196);
    EXPECT_NEAR((centreFirst + centreLast) / 2.0, 100.0, 3.0);
    EXPECT_NEAR(leftLast - leftFirst, rightLast - rightFirst, 1);
}

TEST(CanvasText, TabsAreExpandedToFourAverageCharacters) {
    ImageCanvas c(QSize(200, 30));
    c->DrawText({0, 0, 200, 30}, QStringLiteral("\tM"), dtLeft);
    const QFontMetrics metrics(c->Font().Value().ToQFont(), &c.image);
    const int tab = 4 * metrics.averageCharWidth();
    const auto [first, last] = InkColumns(c.Finish());
    EXPECT_GE(first, tab - 1);
    EXPECT_LE(first, tab + 3);
}

TEST(CanvasText, OpaqueTextFillsItsBackgroundTransparentLeavesIt) {
    // A full stop leaves the top of its line free of ink.
    ImageCanvas opaque(QSize(40, 30));
    opaque->SetTextBackground(clYellow);
    opaque->DrawText({0, 0, 40, 30}, QStringLiteral("."), dtLeft);
    EXPECT_EQ(opaque.At(0, 0), Rgb(clYellow));
    // Only the line's text is backed, not the rest of the rectangle.
    EXPECT_EQ(opaque.At(39, 0), kWhite);
    EXPECT_EQ(opaque.At(0, 29), kWhite);

    ImageCanvas clear(QSize(40, 30));
    clear->SetTextBackground(clYellow);
    clear->SetOpaqueText(false);
    clear->DrawText({0, 0, 40, 30}, QStringLiteral("."), dtLeft);
    EXPECT_EQ(clear.At(0, 0), kWhite);
}

TEST(CanvasText, TextOutPutsTheTopLeftCornerAtThePoint) {
    ImageCanvas c(QSize(80, 40));
    c->SetTextBackground(clYellow);
    c->TextOut(10, 5, QStringLiteral("."));
    EXPECT_EQ(c.At(10, 5), Rgb(clYellow));
    EXPECT_EQ(c.At(9, 5), kWhite);
    EXPECT_EQ(c.At(10, 4), kWhite);
}

TEST(CanvasText, TextExtentsFollowTheFont) {
    ImageCanvas c(QSize(4, 4));
    const int narrow = c->TextWidth(QStringLiteral("MM"));
    EXPECT_GT(narrow, 0);
    EXPECT_GT(c->TextWidth(QStringLiteral("MMMM")), narrow);
    const int small = c->TextHeight(QStringLiteral("M"));
    c->Font().SetHeight(-24);
    EXPECT_GT(c->TextHeight(QStringLiteral("M")), small);
}
