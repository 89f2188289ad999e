#include "TestSupport.h"
#include "pages/ImageCanvas.h"

#include <gtest/gtest.h>

using namespace vevezo;

TEST(CanvasState, RestoreBringsBackFontPenBrushAndClip) {
    ImageCanvas c(QSize(20, 20));
    c->Font().SetName(QStringLiteral("黑体"));
    c->Pen().SetColor(clRed);
    c->Brush().SetColor(clBlue);
    c->SetOpaqueText(false);
    c->Save();
    c->Font().SetHeight(-30);
    c->Pen().Assign({clGreen, psDot, 4, pmXor});
    c->Brush().SetStyle(bsClear);
    c->SetOpaqueText(true);
    c->IntersectClip({0, 0, 5, 5});
    c->Restore();
    EXPECT_EQ(c->Font().Name(), QStringLiteral("黑体"));
    EXPECT_EQ(c->Font().Height(), -12);
    EXPECT_EQ(c->Pen().Value(), (PenValues{clRed, psSolid, 1, pmCopy}));
    EXPECT_EQ(c->Brush().Style(), bsSolid);
    EXPECT_EQ(c->Brush().Color(), clBlue);
    EXPECT_FALSE(c->OpaqueText());
    // The clip is gone again: the whole image can be filled.
    c->FillRect({0, 0, 20, 20});
    EXPECT_EQ(c.At(19, 19), Rgb(clBlue));
}

TEST(CanvasState, ClipKeepsDrawingInside) {
    ImageCanvas c(QSize(20, 20));
    {
        CanvasStateGuard guard(*c);
        c->IntersectClip({5, 5, 10, 10});
        c->Brush().SetColor(clRed);
        c->FillRect({0, 0, 20, 20});
    }
    EXPECT_FALSE(c.ChangedOutside(QRect(5, 5, 5, 5), kWhite));
    EXPECT_EQ(c.At(9, 9), Rgb(clRed));
}

TEST(CanvasState, FontSizeAndHeightFollowEachOther) {
    ImageCanvas c(QSize(4, 4));
    c->Font().SetSize(12);
    EXPECT_EQ(c->Font().Height(), -16);
    c->Font().SetPixelsPerInch(600);
    EXPECT_EQ(c->Font().Height(), -100);
    c->Font().SetHeight(-50);
    EXPECT_EQ(c->Font().Size(), 6);
}

TEST(CanvasState, PublishedPropertiesCarryTheScriptNames) {
    ImageCanvas c(QSize(4, 4));
    c->Font().setProperty("Name", QStringLiteral("宋体"));
    c->Font().setProperty("Size", 20);
    c->Font().setProperty("Style", 1 << fsBold);
    c->Pen().setProperty("Width", 3);
    c->Pen().setProperty("Style", psDashDot);
    c->Pen().setProperty("Mode", pmNotXor);
    c->Brush().setProperty("Color", int(clYellow));
    EXPECT_EQ(c->Font().property("Height").toInt(), -27);
    EXPECT_TRUE(c->Font().Value().HasStyle(fsBold));
    EXPECT_EQ(c->Pen().Value(), (PenValues{clBlack, psDashDot, 3, pmNotXor}));
    EXPECT_EQ(c->Brush().Color(), clYellow);
    for (const char* name : {"Color", "Pitch", "Charset"}) {
        EXPECT_TRUE(c->Font().property(name).isValid()) << name;
    }
    EXPECT_TRUE(c->Pen().property("Color").isValid());
    EXPECT_TRUE(c->Brush().property("Style").isValid());
}

TEST(CanvasState, DeviceQueriesAnswerTheDevicesResolution) {
    ImageCanvas screen(QSize(4, 4));
    EXPECT_EQ(screen->PixelsPerInchX(), 96);
    EXPECT_EQ(screen->PixelsPerInchY(), 96);
    EXPECT_FALSE(screen->IsPrinter());
    screen->SetIsPrinter(true);
    EXPECT_TRUE(screen->IsPrinter());
    ImageCanvas fine(QSize(4, 4), Qt::white, 600);
    EXPECT_EQ(fine->PixelsPerInchX(), 600);
    EXPECT_EQ(fine->PixelsPerInchY(), 600);
}
