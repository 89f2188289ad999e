#include "pages/ElementText.h"

#include "TestSupport.h"
#include "pages/ImageCanvas.h"
#include "pages/RecordingDevice.h"

#include <gtest/gtest.h>

using namespace vevezo;

namespace {

constexpr PixelRect kBox{10, 10, 110, 31}; // 21 high: halves truncate
const QString kFourLines = QStringLiteral("a\nb\nc\nd");

struct Drawn {
    QList<RecordedOp> texts;
    int textHeight = 0;
};

Drawn DrawIn(const PixelRect& box, const QString& text, const TextPlacement& placement,
             TColor fontColor = clBlack) {
    RecordingDevice device;
    QPainter painter(&device);
    Canvas canvas(painter);
    canvas.Font().SetColor(fontColor);
    Drawn drawn;
    drawn.textHeight = canvas.MeasureText(box, text, dtWordBreak);
    DrawElementText(canvas, box, text, placement);
    drawn.texts = device.OpsOf(RecordedOp::Text);
    return drawn;
}

double FirstBaseline(const Drawn& drawn) {
    return drawn.texts.front().position.y();
}

} // namespace

TEST(ElementText, CentredTextTallerThanTheBoxStartsAboveItsTop) {
    const Drawn top = DrawIn(kBox, kFourLines, {taLeftJustify, tlTop});
    const Drawn centre = DrawIn(kBox, kFourLines, {taLeftJustify, tlCenter});
    ASSERT_FALSE(centre.texts.isEmpty());
    ASSERT_GT(centre.textHeight, kBox.Height());
    const int shift = kBox.Height() / 2 - centre.textHeight / 2;
    EXPECT_LT(shift, 0);
    EXPECT_DOUBLE_EQ(FirstBaseline(centre) - FirstBaseline(top), shift);
    // Cut off at both edges of the box.
    for (const RecordedOp& op : centre.texts) {
        ASSERT_TRUE(op.clipped);
        EXPECT_EQ(op.clip, QRectF(kBox.ToQRect()));
    }
}

TEST(ElementText, BottomAlignedTextEndsOnTheBottomEdge) {
    const Drawn top = DrawIn(kBox, kFourLines, {taLeftJustify, tlTop});
    const Drawn bottom = DrawIn(kBox, kFourLines, {taLeftJustify, tlBottom});
    ASSERT_FALSE(bottom.texts.isEmpty());
    EXPECT_DOUBLE_EQ(FirstBaseline(bottom) - FirstBaseline(top), kBox.Height() - bottom.textHeight);
    EXPECT_EQ(bottom.texts.front().clip, QRectF(kBox.ToQRect()));
}

TEST(ElementText, ShortCentredTextSitsInTheMiddle) {
    const Drawn top = DrawIn(kBox, QStringLiteral("a"), {taLeftJustify, tlTop});
    const Drawn centre = DrawIn(kBox, QStringLiteral("a"), {taLeftJustify, tlCenter});
    EXPECT_DOUBLE_EQ(FirstBaseline(centre) - FirstBaseline(top),
                     kBox.Height() / 2 - centre.textHeight / 2);
    EXPECT_DOUBLE_EQ(top.texts.front().position.x(), kBox.left);
}

TEST(ElementText, ShadowIsGreyAndOnePixelRightAndDown) {
    const Drawn drawn = DrawIn(kBox, QStringLiteral("a"), {taLeftJustify, tlTop, false, true});
    ASSERT_EQ(drawn.texts.size(), 2);
    EXPECT_EQ(drawn.texts[0].penColor, ToQColor(kShadowColor));
    EXPECT_EQ(drawn.texts[1].penColor, QColor(Qt::black));
    EXPECT_EQ(drawn.texts[0].position - drawn.texts[1].position, QPointF(1, 1));
}

TEST(ElementText, ShadowOfAGreyFontIsBlack) {
    const Drawn drawn =
        DrawIn(kBox, QStringLiteral("a"), {taLeftJustify, tlTop, false, true}, kShadowColor);
    ASSERT_EQ(drawn.texts.size(), 2);
    EXPECT_EQ(drawn.texts[0].penColor, QColor(Qt::black));
    EXPECT_EQ(drawn.texts[1].penColor, ToQColor(kShadowColor));
}

TEST(ElementText, GreyBackgroundBacksTheText) {
    // A full stop leaves the top of its line free of ink.
    ImageCanvas grey(QSize(60, 30));
    DrawElementText(*grey, {5, 5, 55, 25}, QStringLiteral("."), {taLeftJustify, tlTop, true});
    EXPECT_EQ(grey.At(5, 5), Rgb(kBoundTextBackground));
    EXPECT_EQ(grey.At(4, 5), kWhite);

    ImageCanvas plain(QSize(60, 30));
    plain->SetOpaqueText(true);
    DrawElementText(*plain, {5, 5, 55, 25}, QStringLiteral("."), {taLeftJustify, tlTop, false});
    EXPECT_EQ(plain.At(5, 5), kWhite);
}

TEST(ElementText, CanvasStateIsKept) {
    ImageCanvas c(QSize(60, 30));
    c->Font().SetColor(clRed);
    c->SetOpaqueText(true);
    DrawElementText(*c, {5, 5, 55, 25}, QStringLiteral("a"), {taCenter, tlCenter, true, true});
    EXPECT_EQ(c->Font().Color(), clRed);
    EXPECT_TRUE(c->OpaqueText());
    c->Brush().SetColor(clBlue);
    c->FillRect({0, 0, 60, 30});
    EXPECT_EQ(c.At(0, 0), Rgb(clBlue)); // no clip left behind
}
