#include "TestSupport.h"
#include "pages/ImageCanvas.h"
#include "pages/MetafilePage.h"

#include <gtest/gtest.h>

using namespace vevezo;

TEST(MetafilePage, ReplaysScaledIntoTheRectangle) {
    MetafilePage page(QSize(20, 20));
    Canvas& recording = page.Begin();
    EXPECT_TRUE(page.IsRecording());
    recording.Brush().SetColor(clRed);
    recording.FillRect({0, 0, 10, 10});
    page.End();
    EXPECT_FALSE(page.IsRecording());
    EXPECT_EQ(page.Picture().boundingRect(), QRect(0, 0, 20, 20));

    ImageCanvas c(QSize(60, 60));
    page.Play(*c, {10, 10, 50, 50});
    EXPECT_EQ(c.At(10, 10), Rgb(clRed));
    EXPECT_EQ(c.At(29, 29), Rgb(clRed));
    EXPECT_EQ(c.At(31, 31), kWhite);
    EXPECT_EQ(c.At(9, 9), kWhite);
}

TEST(MetafilePage, DiscardDropsTheRecording) {
    MetafilePage page(QSize(20, 20));
    page.Begin().FillRect({0, 0, 20, 20});
    page.End();
    EXPECT_FALSE(page.IsEmpty());
    page.Discard();
    EXPECT_TRUE(page.IsEmpty());
    ImageCanvas c(QSize(20, 20), Qt::green);
    page.Play(*c, {0, 0, 20, 20});
    EXPECT_EQ(c.At(5, 5), 0x00FF00u);
}

TEST(CanvasPictures, StretchDrawScalesAnImage) {
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ImageCanvas c(QSize(20, 20));
    c->StretchDraw({4, 4, 12, 12}, picture);
    EXPECT_EQ(c.At(4, 4), 0x0000FFu);
    EXPECT_EQ(c.At(11, 11), 0x0000FFu);
    EXPECT_EQ(c.At(12, 12), kWhite);
    c.Finish();
    ImageCanvas d(QSize(20, 20));
    d->Draw(1, 1, picture);
    EXPECT_EQ(d.At(2, 2), 0x0000FFu);
    EXPECT_EQ(d.At(3, 3), kWhite);
}
