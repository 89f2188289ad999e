#include "TestSupport.h"
#include "pages/ImageCanvas.h"

#include <gtest/gtest.h>

using namespace vevezo;

TEST(CanvasShapes, FillRectLeavesRightAndBottomEdgesOut) {
    ImageCanvas c(QSize(20, 20));
    c->Brush().SetColor(clRed);
    c->FillRect({2, 3, 6, 8});
    EXPECT_EQ(c.At(2, 3), Rgb(clRed));
    EXPECT_EQ(c.At(5, 7), Rgb(clRed));
    EXPECT_EQ(c.At(6, 3), kWhite);
    EXPECT_EQ(c.At(2, 8), kWhite);
    EXPECT_EQ(c.At(1, 3), kWhite);
    EXPECT_EQ(c.At(2, 2), kWhite);
}

TEST(CanvasShapes, RectangleOutlineEndsOneBeforeRightAndBottom) {
    ImageCanvas c(QSize(20, 20));
    c->Pen().SetColor(clRed);
    c->Brush().SetColor(clBlue);
    c->Rectangle({2, 2, 10, 8});
    EXPECT_EQ(c.At(2, 2), Rgb(clRed));
    EXPECT_EQ(c.At(9, 2), Rgb(clRed));
    EXPECT_EQ(c.At(9, 7), Rgb(clRed));
    EXPECT_EQ(c.At(2, 7), Rgb(clRed));
    EXPECT_EQ(c.At(5, 5), Rgb(clBlue));
    EXPECT_EQ(c.At(10, 2), kWhite);
    EXPECT_EQ(c.At(2, 8), kWhite);
}

TEST(CanvasShapes, ClearBrushLeavesTheInside) {
    ImageCanvas c(QSize(20, 20));
    c->Brush().SetStyle(bsClear);
    c->Rectangle({2, 2, 10, 8});
    EXPECT_EQ(c.At(2, 2), Rgb(clBlack));
    EXPECT_EQ(c.At(5, 5), kWhite);
}

TEST(CanvasShapes, LineToStopsBeforeItsEndPointAndMovesThePen) {
    ImageCanvas c(QSize(20, 20));
    c->MoveTo(1, 1);
    c->LineTo(8, 1);
    EXPECT_EQ(c->PenPos(), QPoint(8, 1));
    c->LineTo(8, 6);
    EXPECT_EQ(c.At(1, 1), Rgb(clBlack));
    EXPECT_EQ(c.At(7, 1), Rgb(clBlack));
    EXPECT_EQ(c.At(8, 1), Rgb(clBlack)); // drawn by the second line
    EXPECT_EQ(c.At(8, 5), Rgb(clBlack));
    EXPECT_EQ(c.At(8, 6), kWhite);
    EXPECT_EQ(c.At(9, 1), kWhite);
}

TEST(CanvasShapes, ClosedPolylineDrawsEveryCorner) {
    ImageCanvas c(QSize(20, 20));
    c->Polyline({{2, 2}, {12, 2}, {12, 9}, {2, 9}, {2, 2}});
    for (const QPoint corner : {QPoint(2, 2), QPoint(12, 2), QPoint(12, 9), QPoint(2, 9)}) {
        EXPECT_EQ(c.At(corner.x(), corner.y()), Rgb(clBlack)) << corner.x() << ',' << corner.y();
    }
    EXPECT_EQ(c.At(13, 2), kWhite);
    EXPECT_EQ(c.At(6, 6), kWhite);
}

TEST(CanvasShapes, SetPixelColoursOnePixel) {
    ImageCanvas c(QSize(5, 5));
    c->SetPixel(2, 3, clGreen);
    EXPECT_EQ(c.At(2, 3), Rgb(clGreen));
    EXPECT_EQ(c.At(3, 3), kWhite);
    EXPECT_EQ(c.At(2, 2), kWhite);
}

TEST(CanvasShapes, WideDashedPenStaysDashed) {
    ImageCanvas c(QSize(100, 20));
    c->Pen().SetWidth(3);
    c->Pen().SetStyle(psDash);
    c->MoveTo(0, 10);
    c->LineTo(100, 10);
    // Dashes and gaps alternate along the line's middle row.
    EXPECT_GE(c.ChangesAlongRow(10, 0, 100), 6);
    ImageCanvas solid(QSize(100, 20));
    solid->Pen().SetWidth(3);
    solid->MoveTo(0, 10);
    solid->LineTo(100, 10);
    EXPECT_EQ(solid.ChangesAlongRow(10, 0, 100), 0);
    EXPECT_EQ(solid.At(50, 9), Rgb(clBlack));
    EXPECT_EQ(solid.At(50, 11), Rgb(clBlack));
}

TEST(CanvasShapes, ClearPenDrawsNoLine) {
    ImageCanvas c(QSize(20, 20));
    c->Pen().SetStyle(psClear);
    c->MoveTo(0, 5);
    c->LineTo(20, 5);
    EXPECT_FALSE(c.ChangedOutside(QRect(), kWhite));
}

TEST(CanvasShapes, ExclusiveOrPenUndoesItselfWhenDrawnTwice) {
    ImageCanvas c(QSize(20, 20));
    c->Pen().SetMode(pmXor);
    c->Pen().SetColor(clRed);
    c->MoveTo(0, 5);
    c->LineTo(20, 5);
    c->MoveTo(0, 5);
    c->LineTo(20, 5);
    EXPECT_EQ(c.At(10, 5), kWhite);
}

TEST(CanvasShapes, InvertRectInvertsOnlyTheRectangle) {
    ImageCanvas c(QSize(20, 20));
    c->InvertRect({0, 0, 4, 4});
    EXPECT_EQ(c.At(3, 3), 0x000000u);
    EXPECT_EQ(c.At(4, 3), kWhite);
}

TEST(CanvasShapes, PatternBrushRepeatsItsPicture) {
    QImage pattern(8, 8, QImage::Format_RGB32);
    pattern.fill(Qt::white);
    pattern.setPixel(0, 0, qRgb(255, 0, 0));
    ImageCanvas c(QSize(20, 20));
    c->Brush().SetPattern(pattern);
    c->FillRect({0, 0, 20, 20});
    EXPECT_EQ(c.At(0, 0), 0xFF0000u);
    EXPECT_EQ(c.At(8, 8), 0xFF0000u);
    EXPECT_EQ(c.At(1, 0), kWhite);
}
