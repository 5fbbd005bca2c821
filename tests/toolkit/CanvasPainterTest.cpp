// The canvas keeps its painters open between calls; these tests change what lies under an open
// painter (the surface's size, a copy sharing its pixels, the clip region) and check that the
// next drawing follows.
#include "toolkit/CanvasPainter_p.h"

#include <array>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/TBitmap.h"
#include "toolkit/TBitmap_p.h"
#include "toolkit/TCanvas.h"
#include "toolkit/TRegion.h"

namespace {

void fillSquare(TCanvas& canvas, int left, int top, TColor color) {
    canvas.Brush()->SetColor(color);
    canvas.Pen()->SetColor(color);
    const std::array<TPoint, 4> square = {Point(left, top), Point(left + 20, top), Point(left + 20, top + 20),
                                          Point(left, top + 20)};
    canvas.Polygon(square);
}

TEST(CanvasPainterTest, ResizedSurfaceIsDrawnOnAfresh) {
    // Large enough that the old pixels are given back to the system when the bitmap grows.
    TBitmap bitmap;
    bitmap.SetSize(2000, 1200);
    TCanvas& canvas = *bitmap.Canvas();
    fillSquare(canvas, 10, 10, clRed);
    bitmap.SetSize(2100, 1300);
    fillSquare(canvas, 2050, 1250, clBlue);
    EXPECT_EQ(canvas.Pixels(15, 15), clRed);
    EXPECT_EQ(canvas.Pixels(2060, 1260), clBlue);
    bitmap.SetSize(100, 100);
    fillSquare(canvas, 50, 50, clLime);
    EXPECT_EQ(canvas.Pixels(60, 60), clLime);
    EXPECT_EQ(canvas.Pixels(15, 15), clRed);
}

TEST(CanvasPainterTest, CopySharingThePixelsKeepsThem) {
    TBitmap bitmap;
    bitmap.SetSize(60, 60);
    fillSquare(*bitmap.Canvas(), 10, 10, clRed);
    TBitmap copy;
    copy.Assign(bitmap);
    fillSquare(*bitmap.Canvas(), 10, 10, clBlue);
    bitmap.Canvas()->Font()->SetHeight(-20);
    bitmap.Canvas()->Brush()->SetColor(clYellow);
    bitmap.Canvas()->TextOut(0, 35, "WW");
    EXPECT_EQ(bitmap.Canvas()->Pixels(15, 15), clBlue);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 35), clYellow);
    EXPECT_EQ(copy.Canvas()->Pixels(15, 15), clRed);
    EXPECT_EQ(copy.Canvas()->Pixels(0, 35), clWhite);
}

TEST(CanvasPainterTest, EachNewClipRegionBoundsTheDrawing) {
    std::mt19937 random(7);
    const auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const auto randomRegion = [&] {
        std::vector<TPoint> corners;
        for (int i = between(3, 6); i > 0; --i) corners.push_back(Point(between(-50, 350), between(-50, 250)));
        return CreatePolygonRgn(corners, between(0, 1) == 0 ? ALTERNATE : WINDING);
    };
    TBitmap bitmap;
    bitmap.SetSize(300, 200);
    TCanvas& canvas = *bitmap.Canvas();
    for (int round = 1; round <= 20; ++round) {
        // Drawn unclipped, then clipped by one region, then by another.
        canvas.Brush()->SetColor(clWhite);
        canvas.FillRect(Rect(0, 0, 300, 200));
        const TRegion before = randomRegion();
        SelectClipRgn(canvas, &before);
        canvas.FillRect(Rect(0, 0, 300, 200));
        const TRegion clip = randomRegion();
        SelectClipRgn(canvas, &clip);
        // A wide line (filled by the painter) over the whole surface, in a colour of its own.
        const TColor color = RGB(round, 0, 0);
        canvas.Pen()->SetGeometric(psSolid, 400, pecSquare, color);
        canvas.MoveTo(-10, 100);
        canvas.LineTo(310, 100);
        SelectClipRgn(canvas, nullptr);
        for (int y = 0; y < 200; ++y) {
            for (int x = 0; x < 300; ++x) {
                ASSERT_EQ(canvas.Pixels(x, y) == color, clip.Contains(x, y)) << round << ": " << x << "," << y;
            }
        }
    }
}

} // namespace
