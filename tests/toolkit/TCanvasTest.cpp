#include "toolkit/TCanvas.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>

#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/TBitmap.h"
#include "toolkit/TBitmap_p.h"
#include "toolkit/TCanvas_p.h"
#include "toolkit/TRegion.h"

namespace {

constexpr TColor kBackground = 0x00336699;

class TCanvasTest : public testing::Test {
protected:
    void SetUp() override {
        bitmap.SetSize(120, 100);
        clear(clWhite);
    }

    TCanvas* canvas() { return bitmap.Canvas(); }
    TColor at(int x, int y) { return canvas()->Pixels(x, y); }
    QImage snapshot() { return tk::bitmapImage(bitmap).copy(); }

    void clear(TColor color) {
        canvas()->Brush()->SetStyle(bsSolid);
        canvas()->Brush()->SetColor(color);
        canvas()->FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
    }

    // Some varied content, so that XOR tests do not pass on a blank picture by luck.
    void paintSomething() {
        for (int y = 0; y < bitmap.Height(); ++y) {
            for (int x = 0; x < bitmap.Width(); ++x) canvas()->SetPixels(x, y, RGB(x * 2, y * 2, (x ^ y) & 0xFF));
        }
    }

    // The colours along row y from x1 to x2 - 1, as 'p' (pen), 'g' (gap / brush) or '.' (other).
    std::string row(int y, int x1, int x2, TColor pen, TColor gap) {
        std::string result;
        for (int x = x1; x < x2; ++x) {
            const TColor c = at(x, y);
            result += c == pen ? 'p' : c == gap ? 'g' : '.';
        }
        return result;
    }

    TBitmap bitmap;
};

TEST_F(TCanvasTest, LineToLeavesOutTheLastPixelAndMovesThePen) {
    canvas()->MoveTo(10, 10);
    canvas()->LineTo(20, 10);
    EXPECT_EQ(at(10, 10), clBlack);
    EXPECT_EQ(at(19, 10), clBlack);
    EXPECT_EQ(at(20, 10), clWhite);
    EXPECT_EQ(canvas()->PenPos(), Point(20, 10));
    canvas()->LineTo(20, 20);
    EXPECT_EQ(at(20, 10), clBlack);
    EXPECT_EQ(at(20, 19), clBlack);
    EXPECT_EQ(at(20, 20), clWhite);
}

TEST_F(TCanvasTest, PenWidthZeroOrLessDrawsOnePixel) {
    for (int width : {0, -3}) {
        clear(clWhite);
        canvas()->Pen()->SetWidth(width);
        canvas()->MoveTo(10, 10);
        canvas()->LineTo(30, 10);
        EXPECT_EQ(at(20, 10), clBlack);
        EXPECT_EQ(at(20, 9), clWhite);
        EXPECT_EQ(at(20, 11), clWhite);
    }
}

TEST_F(TCanvasTest, DashPatternsAreCountedInPixels) {
    canvas()->Brush()->SetStyle(bsClear);
    const std::pair<TPenStyle, const char*> styles[] = {
        {psDash, "ppppppppppppppppppgggggg"},
        {psDot, "pppgggpppggg"},
        {psDashDot, "pppppppppggggggpppgggggg"},
        {psDashDotDot, "pppppppppgggpppgggpppggg"},
    };
    for (const auto& [style, pattern] : styles) {
        clear(clWhite);
        canvas()->Brush()->SetStyle(bsClear);
        canvas()->Pen()->SetStyle(style);
        canvas()->MoveTo(0, 5);
        canvas()->LineTo(100, 5);
        const std::string expected = std::string(pattern) + pattern;
        EXPECT_EQ(row(5, 0, static_cast<int>(expected.size()), clBlack, clWhite), expected) << style;
    }
}

TEST_F(TCanvasTest, StyledGapsAreOpaqueInTheBrushColourOnlyUnderASolidBrush) {
    clear(clWhite);
    canvas()->Pen()->SetStyle(psDot);
    canvas()->Brush()->SetColor(clRed);
    canvas()->Brush()->SetStyle(bsSolid);
    canvas()->MoveTo(0, 5);
    canvas()->LineTo(12, 5);
    EXPECT_EQ(row(5, 0, 12, clBlack, clRed), "pppgggpppggg");
    canvas()->Brush()->SetStyle(bsHorizontal);
    canvas()->MoveTo(0, 6);
    canvas()->LineTo(12, 6);
    EXPECT_EQ(row(6, 0, 12, clBlack, clWhite), "pppgggpppggg");
}

TEST_F(TCanvasTest, DashPatternGoesOnAcrossPolylineCorners) {
    canvas()->Brush()->SetStyle(bsClear);
    canvas()->Pen()->SetStyle(psDot);
    const std::array<TPoint, 3> points = {Point(10, 10), Point(14, 10), Point(14, 30)};
    canvas()->Polyline(points);
    // Pixels 0..3 along x, then down from (14, 10): on on on off | off off on on on off ...
    EXPECT_EQ(row(10, 10, 15, clBlack, clWhite), "pppgg");
    EXPECT_EQ(at(14, 11), clWhite);
    EXPECT_EQ(at(14, 12), clBlack);
}

TEST_F(TCanvasTest, WidePensAreSolidWithRoundEnds) {
    canvas()->Pen()->SetWidth(3);
    canvas()->Pen()->SetStyle(psDot);
    canvas()->MoveTo(20, 20);
    canvas()->LineTo(60, 20);
    for (int x = 20; x <= 60; ++x) {
        EXPECT_EQ(at(x, 19), clBlack) << x;
        EXPECT_EQ(at(x, 20), clBlack) << x;
        EXPECT_EQ(at(x, 21), clBlack) << x;
    }
    EXPECT_EQ(at(40, 22), clWhite);
    EXPECT_EQ(at(40, 18), clWhite);
    // The round end reaches a pixel past the end on the line, not into the corner.
    EXPECT_EQ(at(61, 20), clBlack);
    EXPECT_EQ(at(62, 18), clWhite);
}

TEST_F(TCanvasTest, ClearPenDrawsNothingAndTheRectangleFillShrinks) {
    canvas()->Pen()->SetStyle(psClear);
    canvas()->Brush()->SetColor(clRed);
    canvas()->MoveTo(0, 0);
    canvas()->LineTo(50, 50);
    EXPECT_EQ(at(10, 10), clWhite);
    canvas()->Rectangle(10, 10, 20, 20);
    EXPECT_EQ(at(10, 10), clRed);
    EXPECT_EQ(at(18, 18), clRed);
    EXPECT_EQ(at(19, 15), clWhite);
    EXPECT_EQ(at(15, 19), clWhite);
}

TEST_F(TCanvasTest, RectangleOutlinesItsOutermostPixelsAndFillsInside) {
    canvas()->Brush()->SetColor(clRed);
    canvas()->Rectangle(10, 10, 30, 20);
    EXPECT_EQ(at(10, 15), clBlack);
    EXPECT_EQ(at(29, 15), clBlack);
    EXPECT_EQ(at(30, 15), clWhite);
    EXPECT_EQ(at(20, 10), clBlack);
    EXPECT_EQ(at(20, 19), clBlack);
    EXPECT_EQ(at(20, 20), clWhite);
    EXPECT_EQ(at(11, 11), clRed);
    EXPECT_EQ(at(28, 18), clRed);
    EXPECT_EQ(at(9, 15), clWhite);
}

TEST_F(TCanvasTest, InsideFrameKeepsAWideStrokeInsideTheBox) {
    canvas()->Brush()->SetStyle(bsClear);
    canvas()->Pen()->SetWidth(5);
    canvas()->Pen()->SetStyle(psInsideFrame);
    canvas()->Rectangle(20, 20, 60, 60);
    EXPECT_EQ(at(20, 40), clBlack);
    EXPECT_EQ(at(24, 40), clBlack);
    EXPECT_EQ(at(25, 40), clWhite);
    EXPECT_EQ(at(19, 40), clWhite);
    EXPECT_EQ(at(59, 40), clBlack);
    EXPECT_EQ(at(60, 40), clWhite);
    clear(clWhite);
    canvas()->Brush()->SetStyle(bsClear);
    canvas()->Pen()->SetStyle(psSolid);
    canvas()->Rectangle(20, 20, 60, 60);
    EXPECT_EQ(at(18, 40), clBlack);
}

TEST_F(TCanvasTest, EllipseFillsItsBoxAndAnEmptyBoxDrawsNothing) {
    const QImage before = snapshot();
    canvas()->Ellipse(10, 10, 10, 40);
    canvas()->Ellipse(10, 10, 40, 10);
    EXPECT_EQ(snapshot(), before);
    canvas()->Brush()->SetColor(clRed);
    canvas()->Ellipse(10, 10, 41, 31);
    EXPECT_EQ(at(25, 20), clRed);
    EXPECT_EQ(at(10, 20), clBlack);
    EXPECT_EQ(at(40, 20), clBlack);
    EXPECT_EQ(at(41, 20), clWhite);
    EXPECT_EQ(at(25, 10), clBlack);
    EXPECT_EQ(at(25, 30), clBlack);
    EXPECT_EQ(at(11, 11), clWhite);
}

TEST_F(TCanvasTest, SelfIntersectingStarFollowsTheFillMode) {
    // A five-pointed star: its centre is crossed twice from outside.
    const std::array<TPoint, 5> star = {Point(60, 5), Point(90, 90), Point(15, 35), Point(105, 35), Point(30, 90)};
    canvas()->Pen()->SetColor(clBlue);
    canvas()->Brush()->SetColor(clRed);
    canvas()->Polygon(star);
    EXPECT_EQ(at(60, 50), clWhite);
    EXPECT_EQ(at(60, 20), clRed);
    canvas()->SetPolyFillMode(WINDING);
    canvas()->Polygon(star);
    EXPECT_EQ(at(60, 50), clRed);
    EXPECT_EQ(at(60, 5), clBlue);
}

TEST_F(TCanvasTest, HatchLinesFollowTheDeviceOriginAndLeaveGapsAlone) {
    clear(kBackground);
    canvas()->Pen()->SetStyle(psClear);
    canvas()->Brush()->SetColor(clRed);
    canvas()->Brush()->SetStyle(bsFDiagonal);
    canvas()->Rectangle(13, 7, 60, 50);
    for (int y = 7; y < 49; ++y) {
        for (int x = 13; x < 59; ++x) {
            const bool onLine = ((x - y) % 8 + 8) % 8 == 0;
            EXPECT_EQ(at(x, y), onLine ? clRed : kBackground) << x << "," << y;
        }
    }
    canvas()->Brush()->SetStyle(bsBDiagonal);
    canvas()->Rectangle(70, 7, 110, 50);
    EXPECT_EQ(at(80, 8), clRed);  // 80 + 8 is a multiple of 8: on a "/" line
    EXPECT_EQ(at(80, 9), kBackground);
    EXPECT_EQ(at(79, 9), clRed);
}

TEST_F(TCanvasTest, CrossHatchesCombineTheirLines) {
    canvas()->Pen()->SetStyle(psClear);
    canvas()->Brush()->SetColor(clRed);
    canvas()->Brush()->SetStyle(bsCross);
    canvas()->FillRect(Rect(0, 0, 40, 40));
    EXPECT_EQ(at(16, 3), clRed);
    EXPECT_EQ(at(3, 24), clRed);
    EXPECT_EQ(at(3, 3), clWhite);
    canvas()->Brush()->SetStyle(bsDiagCross);
    canvas()->FillRect(Rect(40, 0, 80, 40));
    EXPECT_EQ(at(43, 3), clRed);
    EXPECT_EQ(at(45, 3), clRed);
    EXPECT_EQ(at(44, 3), clWhite);
}

TEST_F(TCanvasTest, PatternBrushTilesFromTheOrigin) {
    TBitmap pattern;
    pattern.SetSize(2, 2);
    pattern.Canvas()->SetPixels(0, 0, clRed);
    pattern.Canvas()->SetPixels(1, 0, clBlue);
    pattern.Canvas()->SetPixels(0, 1, clBlue);
    pattern.Canvas()->SetPixels(1, 1, clRed);
    canvas()->Brush()->SetBitmap(&pattern);
    canvas()->FillRect(Rect(5, 5, 20, 20));
    EXPECT_EQ(at(6, 6), clRed);
    EXPECT_EQ(at(7, 6), clBlue);
    EXPECT_EQ(at(5, 6), clBlue);
    EXPECT_EQ(at(4, 6), clWhite);
    canvas()->Pen()->SetMode(pmXor);
    canvas()->Pen()->SetStyle(psClear);
    canvas()->Rectangle(30, 30, 40, 40);
    EXPECT_EQ(at(30, 30), clRed ^ clWhite);
    EXPECT_EQ(at(31, 30), clBlue ^ clWhite);
}

TEST_F(TCanvasTest, XorDottedFrameDrawnTwiceRestoresTheBitmap) {
    paintSomething();
    const QImage before = snapshot();
    canvas()->Pen()->SetMode(pmXor);
    canvas()->Pen()->SetStyle(psDot);
    canvas()->Pen()->SetColor(clWhite);
    for (TBrushStyle brush : {bsClear, bsSolid}) {
        canvas()->Brush()->SetStyle(brush);
        canvas()->Brush()->SetColor(0x00A5C3E1);
        for (int pass = 0; pass < 2; ++pass) canvas()->Rectangle(7, 9, 93, 71);
        EXPECT_EQ(snapshot(), before) << brush;
        const std::array<TPoint, 5> frame = {Point(3, 3), Point(60, 3), Point(60, 40), Point(3, 40), Point(3, 3)};
        for (int pass = 0; pass < 2; ++pass) canvas()->Polyline(frame);
        EXPECT_EQ(snapshot(), before) << brush;
    }
}

TEST_F(TCanvasTest, FocusRectInvertsEveryOtherPixelAndTwiceRestoresTheBitmap) {
    paintSomething();
    const QImage before = snapshot();
    // Rectangles of every small size too, where sides meet and corners could be inverted twice.
    const TRect rects[] = {Rect(5, 6, 50, 40), Rect(60, 60, 61, 61), Rect(70, 60, 72, 64), Rect(80, 60, 83, 61)};
    for (const TRect& rect : rects) canvas()->DrawFocusRect(rect);
    EXPECT_EQ(static_cast<QRgb>(tk::bitmapImage(bitmap).pixel(6, 6)), before.pixel(6, 6) ^ 0x00FFFFFFu);
    EXPECT_EQ(static_cast<QRgb>(tk::bitmapImage(bitmap).pixel(7, 6)), before.pixel(7, 6));
    EXPECT_EQ(static_cast<QRgb>(tk::bitmapImage(bitmap).pixel(20, 20)), before.pixel(20, 20));
    for (const TRect& rect : rects) canvas()->DrawFocusRect(rect);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(TCanvasTest, XorShapesChangeEachPixelOnce) {
    paintSomething();
    const QImage before = snapshot();
    canvas()->Pen()->SetMode(pmXor);
    canvas()->Pen()->SetColor(clWhite);
    canvas()->Brush()->SetColor(0x00FF00FF);
    canvas()->Pen()->SetWidth(3);
    canvas()->Ellipse(20, 20, 80, 70);
    // Under the stroke only the pen acts: the fill does not XOR the same pixel a second time.
    const QRgb original = before.pixel(20, 45);
    EXPECT_EQ(static_cast<QRgb>(tk::bitmapImage(bitmap).pixel(20, 45)), original ^ 0x00FFFFFFu);
    EXPECT_EQ(static_cast<QRgb>(tk::bitmapImage(bitmap).pixel(50, 45)), before.pixel(50, 45) ^ 0x00FF00FFu);
    canvas()->Ellipse(20, 20, 80, 70);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(TCanvasTest, DottedXorLineOverSolidBackgroundAlternates) {
    clear(kBackground);
    canvas()->Pen()->SetMode(pmXor);
    canvas()->Pen()->SetColor(clWhite);
    canvas()->Pen()->SetStyle(psDot);
    canvas()->Brush()->SetStyle(bsClear);
    canvas()->MoveTo(0, 10);
    canvas()->LineTo(100, 10);
    const TColor inverted = kBackground ^ 0x00FFFFFF;
    EXPECT_EQ(row(10, 0, 12, inverted, kBackground), "pppgggpppggg");
    canvas()->Brush()->SetStyle(bsSolid);
    canvas()->Brush()->SetColor(clRed);
    canvas()->MoveTo(0, 20);
    canvas()->LineTo(100, 20);
    EXPECT_EQ(row(20, 0, 12, inverted, kBackground ^ clRed), "pppgggpppggg");
}

TEST_F(TCanvasTest, PenModesNotAndNotXor) {
    clear(kBackground);
    canvas()->Pen()->SetMode(pmNot);
    canvas()->Pen()->SetColor(clRed);
    canvas()->MoveTo(0, 5);
    canvas()->LineTo(10, 5);
    EXPECT_EQ(at(5, 5), kBackground ^ 0x00FFFFFF);
    canvas()->Pen()->SetMode(pmNotXor);
    canvas()->MoveTo(0, 6);
    canvas()->LineTo(10, 6);
    EXPECT_EQ(at(5, 6), (kBackground ^ clRed) ^ 0x00FFFFFF);
}

TEST_F(TCanvasTest, GeometricPenEndCaps) {
    canvas()->Pen()->SetGeometric(psSolid, 6, pecSquare, clBlack);
    canvas()->MoveTo(20, 20);
    canvas()->LineTo(50, 20);
    EXPECT_EQ(at(18, 18), clBlack);   // the square end covers the corner
    EXPECT_EQ(at(50, 20), clBlack);   // and the end point
    canvas()->Pen()->SetGeometric(psSolid, 6, pecRound, clBlack);
    canvas()->MoveTo(20, 60);
    canvas()->LineTo(50, 60);
    EXPECT_EQ(at(17, 57), clWhite);   // the round end leaves the corner
    EXPECT_EQ(at(18, 60), clBlack);
    EXPECT_FALSE((canvas()->Pen()->SetWidth(6), canvas()->Pen()->Geometric()));
}

TEST_F(TCanvasTest, GeometricDashesScaleWithTheWidth) {
    canvas()->Brush()->SetStyle(bsClear);
    canvas()->Pen()->SetGeometric(psDash, 4, pecFlat, clBlack);
    canvas()->MoveTo(0, 20);
    canvas()->LineTo(119, 20);
    // Dashes of 6 widths (24 pixels), gaps of 2 (8 pixels).
    EXPECT_EQ(at(10, 20), clBlack);
    EXPECT_EQ(at(28, 20), clWhite);
    EXPECT_EQ(at(40, 20), clBlack);
}

TEST_F(TCanvasTest, FillRectAndFrameRectUseTheBrushWhateverThePenMode) {
    canvas()->Pen()->SetMode(pmXor);
    canvas()->Brush()->SetColor(clRed);
    canvas()->FillRect(Rect(10, 10, 20, 20));
    EXPECT_EQ(at(10, 10), clRed);
    EXPECT_EQ(at(19, 19), clRed);
    EXPECT_EQ(at(20, 19), clWhite);
    canvas()->Brush()->SetColor(clBlue);
    canvas()->FrameRect(Rect(30, 30, 40, 40));
    EXPECT_EQ(at(30, 35), clBlue);
    EXPECT_EQ(at(39, 35), clBlue);
    EXPECT_EQ(at(35, 35), clWhite);
    EXPECT_EQ(at(40, 35), clWhite);
}

TEST_F(TCanvasTest, BezierPathFillsWithTheBrushAndTheCurveDrawsWithThePen) {
    // A circle of radius 20 round (50, 50) from four curves.
    const std::array<TPoint, 13> curve = {Point(30, 50), Point(30, 39), Point(39, 30), Point(50, 30),
                                          Point(61, 30), Point(70, 39), Point(70, 50), Point(70, 61),
                                          Point(61, 70), Point(50, 70), Point(39, 70), Point(30, 61),
                                          Point(30, 50)};
    canvas()->Brush()->SetColor(clRed);
    canvas()->BeginPath();
    canvas()->PolyBezier(curve);
    canvas()->EndPath();
    EXPECT_EQ(at(50, 50), clWhite);
    canvas()->FillPath();
    EXPECT_EQ(at(50, 50), clRed);
    EXPECT_EQ(at(37, 37), clRed);
    EXPECT_EQ(at(33, 33), clWhite);
    // Like a polygon's, the fill takes the left edge and leaves the right one to the outline.
    EXPECT_EQ(at(30, 50), clRed);
    EXPECT_EQ(at(70, 50), clWhite);
    canvas()->PolyBezier(curve);
    EXPECT_EQ(at(30, 50), clBlack);
    EXPECT_EQ(at(70, 50), clBlack);
    EXPECT_EQ(at(50, 30), clBlack);
    EXPECT_EQ(at(50, 50), clRed);
    // The path is gone after filling.
    canvas()->Brush()->SetColor(clBlue);
    canvas()->FillPath();
    EXPECT_EQ(at(50, 50), clRed);
}

TEST_F(TCanvasTest, PixelsOutsideTheSurfaceReadAsInvalid) {
    canvas()->SetPixels(-1, 0, clRed);
    canvas()->SetPixels(120, 0, clRed);
    EXPECT_EQ(at(-1, 0), -1);
    EXPECT_EQ(at(0, 100), -1);
    canvas()->SetPixels(3, 4, clRed);
    EXPECT_EQ(at(3, 4), clRed);
}

TEST_F(TCanvasTest, NothingChangesOutsideTheClipRegion) {
    paintSomething();
    const QImage before = snapshot();
    const TRegion clip = CreateRectRgn(30, 20, 70, 60);
    SelectClipRgn(*canvas(), &clip);
    EXPECT_EQ(canvas()->ClipRect(), Rect(30, 20, 70, 60));
    canvas()->Brush()->SetColor(clRed);
    canvas()->Pen()->SetWidth(4);
    canvas()->Ellipse(0, 0, 120, 100);
    canvas()->Pen()->SetWidth(1);
    canvas()->Pen()->SetStyle(psDot);
    canvas()->MoveTo(0, 0);
    canvas()->LineTo(119, 99);
    canvas()->Brush()->SetStyle(bsDiagCross);
    canvas()->Pen()->SetMode(pmXor);
    canvas()->Rectangle(0, 0, 120, 100);
    canvas()->TextOut(0, 30, "Clipped text that runs far across");
    canvas()->SetPixels(10, 10, clRed);
    TBitmap stamp;
    stamp.SetSize(120, 100);
    canvas()->Draw(0, 0, stamp);
    const QImage& after = tk::bitmapImage(bitmap);
    int changedInside = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 120; ++x) {
            const bool inside = x >= 30 && x < 70 && y >= 20 && y < 60;
            if (!inside) {
                ASSERT_EQ(after.pixel(x, y), before.pixel(x, y)) << x << "," << y;
            }
            if (inside && after.pixel(x, y) != before.pixel(x, y)) ++changedInside;
        }
    }
    EXPECT_GT(changedInside, 0);
    SelectClipRgn(*canvas(), nullptr);
    canvas()->SetPixels(10, 10, clRed);
    EXPECT_EQ(at(10, 10), clRed);
}

TEST_F(TCanvasTest, PolygonRegionClipsToItsInside) {
    const std::array<TPoint, 3> triangle = {Point(0, 0), Point(100, 0), Point(0, 100)};
    const TRegion clip = CreatePolygonRgn(triangle, ALTERNATE);
    SelectClipRgn(*canvas(), &clip);
    canvas()->Brush()->SetColor(clRed);
    canvas()->FillRect(Rect(0, 0, 120, 100));
    EXPECT_EQ(at(10, 10), clRed);
    EXPECT_EQ(at(90, 90), -1);
    SelectClipRgn(*canvas(), nullptr);
    EXPECT_EQ(at(90, 90), clWhite);
}

TEST_F(TCanvasTest, FillsKeepToAClipRegionOfManyRectangles) {
    const std::array<TPoint, 5> star = {Point(60, 0), Point(95, 99), Point(5, 35), Point(115, 35), Point(25, 99)};
    const TRegion clip = CreatePolygonRgn(star, ALTERNATE);
    canvas()->Pen()->SetStyle(psClear);
    const std::array<TPoint, 4> cover = {Point(-10, -10), Point(130, -10), Point(130, 110), Point(-10, 110)};
    for (TPenMode mode : {pmCopy, pmXor}) {
        clear(clWhite);
        canvas()->Brush()->SetColor(clRed);
        SelectClipRgn(*canvas(), &clip);
        canvas()->Pen()->SetMode(mode);
        canvas()->Polygon(cover);
        SelectClipRgn(*canvas(), nullptr);
        const TColor inside = mode == pmCopy ? clRed : (clRed ^ clWhite);
        for (int y = 0; y < bitmap.Height(); ++y) {
            for (int x = 0; x < bitmap.Width(); ++x) {
                ASSERT_EQ(at(x, y), clip.Contains(x, y) ? inside : clWhite) << mode << ": " << x << "," << y;
            }
        }
    }
}

TEST_F(TCanvasTest, TextOutPaintsItsBoxUnderASolidBrushOnly) {
    clear(kBackground);
    canvas()->Font()->SetColor(clBlack);
    canvas()->Font()->SetHeight(-16);
    canvas()->Brush()->SetColor(clYellow);
    const TSize extent = canvas()->TextExtent("Ab");
    ASSERT_GT(extent.cx, 0);
    ASSERT_GT(extent.cy, 0);
    canvas()->TextOut(10, 10, "Ab");
    EXPECT_EQ(canvas()->PenPos(), Point(10 + extent.cx, 10));
    int ink = 0;
    for (int y = 10; y < 10 + extent.cy; ++y) {
        for (int x = 10; x < 10 + extent.cx; ++x) {
            EXPECT_TRUE(at(x, y) == clYellow || at(x, y) == clBlack) << x << "," << y;
            ink += at(x, y) == clBlack;
        }
    }
    EXPECT_GT(ink, 10);
    EXPECT_EQ(at(9, 10), kBackground);
    EXPECT_EQ(at(10 + extent.cx, 10), kBackground);
    EXPECT_EQ(at(10, 10 + extent.cy), kBackground);
    canvas()->Brush()->SetStyle(bsClear);
    canvas()->TextOut(10, 50, "Ab");
    int background = 0;
    for (int y = 50; y < 50 + extent.cy; ++y) {
        for (int x = 10; x < 10 + extent.cx; ++x) background += at(x, y) == kBackground;
    }
    EXPECT_EQ(background + ink, extent.cx * extent.cy);
}

TEST_F(TCanvasTest, RotatedTextTurnsAboutItsTopLeftCorner) {
    clear(kBackground);
    canvas()->Font()->SetHeight(-14);
    canvas()->Brush()->SetColor(clYellow);
    const TSize extent = canvas()->TextExtent("Text");
    canvas()->Font()->SetEscapement(900);
    canvas()->TextOut(20, 90, "Text");
    // Turned a quarter counter-clockwise: the line runs up from (20, 90), the box to its right.
    EXPECT_NE(at(21, 90 - extent.cx + 2), kBackground);
    EXPECT_NE(at(20 + extent.cy - 2, 89), kBackground);
    EXPECT_EQ(at(18, 80), kBackground);
    EXPECT_EQ(at(25, 92), kBackground);
    EXPECT_EQ(at(25, 90 - extent.cx - 2), kBackground);
}

TEST_F(TCanvasTest, TextRectClipsAndFillsItsRectangle) {
    clear(kBackground);
    canvas()->Font()->SetHeight(-20);
    canvas()->Brush()->SetColor(clYellow);
    canvas()->TextRect(Rect(10, 10, 30, 20), 10, 10, "WWWWWW");
    EXPECT_EQ(at(30, 12), kBackground);
    EXPECT_EQ(at(15, 20), kBackground);
    int painted = 0;
    for (int y = 10; y < 20; ++y) {
        for (int x = 10; x < 30; ++x) painted += at(x, y) != kBackground;
    }
    EXPECT_EQ(painted, 200);
}

TEST_F(TCanvasTest, FontHeightsInPixels) {
    canvas()->Font()->SetHeight(-20);
    const TTextMetric em = canvas()->TextMetric();
    EXPECT_EQ(em.tmHeight - em.tmInternalLeading, 20);
    EXPECT_EQ(em.tmHeight, em.tmAscent + em.tmDescent);
    EXPECT_EQ(canvas()->TextHeight("Ж"), em.tmHeight);
    canvas()->Font()->SetHeight(30);
    EXPECT_NEAR(canvas()->TextMetric().tmHeight, 30, 1);
    const int narrow = canvas()->TextWidth("ab");
    canvas()->Font()->SetStyle({fsBold});
    EXPECT_GE(canvas()->TextWidth("ab"), narrow);
}

TEST_F(TCanvasTest, DrawLeavesOutTheTransparentColour) {
    TBitmap icon;
    icon.SetSize(4, 4);
    icon.Canvas()->Brush()->SetColor(clAqua);
    icon.Canvas()->FillRect(Rect(0, 0, 4, 4));
    icon.Canvas()->SetPixels(1, 1, clRed);
    icon.SetTransparent(true);
    canvas()->Draw(10, 10, icon);
    EXPECT_EQ(at(11, 11), clRed);
    EXPECT_EQ(at(10, 10), clWhite);
    canvas()->StretchDraw(Rect(20, 20, 28, 28), icon);
    EXPECT_EQ(at(22, 22), clRed);
    EXPECT_EQ(at(23, 23), clRed);
    EXPECT_EQ(at(24, 24), clWhite);
    icon.SetTransparent(false);
    canvas()->Draw(40, 40, icon);
    EXPECT_EQ(at(40, 40), clAqua);
}

TEST_F(TCanvasTest, CopyModesCombineSourceAndDestination) {
    TBitmap source;
    source.SetSize(2, 1);
    source.Canvas()->SetPixels(0, 0, clRed);
    source.Canvas()->SetPixels(1, 0, clBlue);
    clear(kBackground);
    canvas()->SetCopyMode(cmSrcInvert);
    canvas()->Draw(0, 0, source);
    EXPECT_EQ(at(0, 0), kBackground ^ clRed);
    canvas()->SetCopyMode(cmDstInvert);
    canvas()->Draw(0, 1, source);
    EXPECT_EQ(at(0, 1), kBackground ^ 0x00FFFFFF);
    canvas()->SetCopyMode(cmSrcAnd);
    canvas()->Draw(0, 2, source);
    EXPECT_EQ(at(1, 2), kBackground & clBlue);
    canvas()->SetCopyMode(cmSrcPaint);
    canvas()->Draw(0, 3, source);
    EXPECT_EQ(at(1, 3), kBackground | clBlue);
    canvas()->SetCopyMode(cmNotSrcCopy);
    canvas()->Draw(0, 4, source);
    EXPECT_EQ(at(0, 4), clRed ^ 0x00FFFFFF);
}

TEST_F(TCanvasTest, CopyRectOntoItselfMovesThePicture) {
    paintSomething();
    const QImage before = snapshot();
    canvas()->CopyRect(Rect(3, 2, 120, 100), *canvas(), Rect(0, 0, 117, 98));
    const QImage& after = tk::bitmapImage(bitmap);
    for (int y = 2; y < 100; y += 7) {
        for (int x = 3; x < 120; x += 5) EXPECT_EQ(after.pixel(x, y), before.pixel(x - 3, y - 2)) << x << "," << y;
    }
    EXPECT_EQ(after.pixel(1, 1), before.pixel(1, 1));
}

TEST_F(TCanvasTest, CopyRectStretches) {
    TBitmap source;
    source.SetSize(2, 2);
    source.Canvas()->SetPixels(1, 1, clRed);
    canvas()->CopyRect(Rect(10, 10, 30, 30), *source.Canvas(), Rect(0, 0, 2, 2));
    EXPECT_EQ(at(19, 19), clWhite);
    EXPECT_EQ(at(20, 20), clRed);
    EXPECT_EQ(at(29, 29), clRed);
    EXPECT_EQ(at(30, 30), clWhite);
}

TEST_F(TCanvasTest, ShapesReachingFarOutsideDrawTheirVisiblePart) {
    for (TPenMode mode : {pmCopy, pmXor}) {
        clear(clWhite);
        canvas()->Pen()->SetMode(mode);
        canvas()->Brush()->SetColor(clRed);
        const std::array<TPoint, 3> huge = {Point(-2000000000, -2000000000), Point(2000000000, 50),
                                            Point(-2000000000, 2000000000)};
        canvas()->Polygon(huge);
        EXPECT_EQ(at(10, 50), mode == pmCopy ? clRed : (clRed ^ clWhite)) << mode;
        canvas()->Pen()->SetWidth(5);
        canvas()->Ellipse(-1000000000, -1000000000, 1000000000, 1000000000);
        canvas()->Pen()->SetWidth(1);
        canvas()->Ellipse(-1000000000, -1000000000, 1000000000, 1000000000);
    }
}

// Where a shape drawn with a black one-pixel pen and a red brush fails to meet its outline, or ""
// where it meets it: along every row and column each stretch of non-background pixels begins and
// ends with the pen, so no brush pixel lies outside the outline and no background pixel between it
// and the fill; a convex shape makes at most one stretch per line.
std::string seamOf(const QImage& image, bool convex) {
    const auto kindAt = [&](int x, int y) {
        const TColor c = tk::colorOfPixel(image.pixel(x, y));
        return c == clBlack ? 'p' : c == clRed ? 'b' : c == kBackground ? '.' : '?';
    };
    const auto check = [&](const std::string& name, int length, auto&& kindOf) -> std::string {
        std::string line = ".";
        for (int i = 0; i < length; ++i) line += kindOf(i);
        line += '.';
        int stretches = 0;
        for (size_t i = 1; i < line.size(); ++i) stretches += line[i - 1] == '.' && line[i] != '.';
        const bool leaks = line.find('?') != std::string::npos || line.find(".b") != std::string::npos ||
                           line.find("b.") != std::string::npos;
        return leaks || (convex && stretches > 1) ? name + ": " + line : "";
    };
    std::string fault;
    for (int y = 0; y < image.height() && fault.empty(); ++y) {
        fault = check("row " + std::to_string(y), image.width(), [&](int x) { return kindAt(x, y); });
    }
    for (int x = 0; x < image.width() && fault.empty(); ++x) {
        fault = check("column " + std::to_string(x), image.height(), [&](int y) { return kindAt(x, y); });
    }
    return fault;
}

// Random shapes, each drawn alone on the background and checked against its outline; the seed is
// fixed unless one is given with --gtest_random_seed.
TEST_F(TCanvasTest, RandomFilledShapesMeetTheirOutlines) {
    const int given = GTEST_FLAG_GET(random_seed);
    const unsigned seed = given != 0 ? static_cast<unsigned>(given) : 20261206u;
    std::mt19937 random(seed);
    const auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const auto turned = [&](double cx, double cy, double turn, double u, double v) {
        return Point(static_cast<int>(std::lround(cx + u * std::cos(turn) - v * std::sin(turn))),
                     static_cast<int>(std::lround(cy + u * std::sin(turn) + v * std::cos(turn))));
    };
    const auto anyPoint = [&] { return Point(between(2, 117), between(2, 97)); };
    const auto pentagram = [&](int mode) {
        const int radius = between(25, 45);
        const TPoint centre = Point(between(2 + radius, 117 - radius), between(2 + radius, 97 - radius));
        const double turn = between(0, 359) * std::numbers::pi / 180;
        std::vector<TPoint> tips;
        for (int i = 0; i < 5; ++i) tips.push_back(turned(centre.X, centre.Y, turn + i * 4 * std::numbers::pi / 5, radius, 0));
        canvas()->SetPolyFillMode(mode);
        canvas()->Polygon(tips);
        EXPECT_EQ(at(centre.X, centre.Y), mode == WINDING ? clRed : kBackground);
        return tips;
    };
    struct Case {
        const char* shape;
        int count;
        bool convex;
        std::function<std::vector<TPoint>()> draw;  // draws one shape, returns its points
    };
    const Case cases[] = {
        {"triangle", 120, true, [&] {
             const std::vector<TPoint> corners = {anyPoint(), anyPoint(), anyPoint()};
             canvas()->Polygon(corners);
             return corners;
         }},
        {"alternate pentagram", 20, false, [&] { return pentagram(ALTERNATE); }},
        {"winding pentagram", 20, false, [&] { return pentagram(WINDING); }},
        {"ellipse", 160, true, [&] {
             const std::vector<TPoint> box = {anyPoint(), anyPoint()};
             canvas()->Ellipse(box[0].X, box[0].Y, box[1].X, box[1].Y);
             return box;
         }},
        // A turned ellipse of four Bezier curves, filled as a path, then outlined, as the map draws it.
        {"filled path", 40, true, [&] {
             const double rx = between(4, 40), ry = between(4, 30), cx = between(50, 70), cy = between(45, 55);
             const double turn = between(0, 359) * std::numbers::pi / 180, k = 0.5522847498;
             const auto at = [&](double u, double v) { return turned(cx, cy, turn, u, v); };
             const std::vector<TPoint> curve = {
                 at(rx, 0),   at(rx, k * ry),   at(k * rx, ry),   at(0, ry),  at(-k * rx, ry),   at(-rx, k * ry), at(-rx, 0),
                 at(-rx, -k * ry), at(-k * rx, -ry), at(0, -ry), at(k * rx, -ry), at(rx, -k * ry), at(rx, 0)};
             canvas()->BeginPath();
             canvas()->PolyBezier(curve);
             canvas()->EndPath();
             canvas()->FillPath();
             canvas()->PolyBezier(curve);
             return curve;
         }},
    };
    for (const Case& c : cases) {
        for (int i = 0; i < c.count; ++i) {
            SCOPED_TRACE(testing::Message() << c.shape << " " << i << ", seed " << seed);
            clear(kBackground);
            canvas()->Pen()->SetColor(clBlack);
            canvas()->Brush()->SetColor(clRed);
            std::string points;
            for (const TPoint& p : c.draw()) points += "(" + std::to_string(p.X) + "," + std::to_string(p.Y) + ")";
            ASSERT_EQ(seamOf(snapshot(), c.convex), "") << points;
        }
    }
}

TEST_F(TCanvasTest, ShapesSpanningTheWholeCoordinateRangeFillTheirVisiblePartExactly) {
    const auto expectPixels = [&](const char* shape, auto&& expected) {
        for (int y = 0; y < bitmap.Height(); ++y) {
            for (int x = 0; x < bitmap.Width(); ++x) ASSERT_EQ(at(x, y), expected(x, y)) << shape << " " << x << "," << y;
        }
    };
    const auto red = [](int, int) { return clRed; };
    canvas()->Brush()->SetColor(clRed);
    canvas()->Rectangle(-2000000000, -2000000000, 2000000000, 2000000000);
    expectPixels("rectangle", red);
    clear(clWhite);
    canvas()->Brush()->SetColor(clRed);
    canvas()->Ellipse(-2000000000, -2000000000, 2000000000, 2000000000);
    expectPixels("ellipse", red);
    // The long side runs along x = y across the surface: the pen on it, the fill left of it.
    clear(clWhite);
    canvas()->Brush()->SetColor(clRed);
    const std::array<TPoint, 3> triangle = {Point(-2000000000, -2000000000), Point(2000000000, 2000000000),
                                            Point(-2000000000, 2000000000)};
    canvas()->Polygon(triangle);
    expectPixels("triangle", [](int x, int y) { return x < y ? clRed : x == y ? clBlack : clWhite; });
}

TEST_F(TCanvasTest, LinesFarOutsideTheSurfaceAreCheap) {
    canvas()->Pen()->SetStyle(psDot);
    canvas()->MoveTo(-2000000000, 50);
    canvas()->LineTo(2000000000, 50);
    EXPECT_EQ(at(0, 50) == clBlack || at(0, 50) == clWhite, true);
    int black = 0;
    for (int x = 0; x < 120; ++x) black += at(x, 50) == clBlack;
    EXPECT_EQ(black, 60);
}

// The reference sheet: one picture of everything the canvas draws, written beside the test
// program for people to look at, with the pixels whose answer is certain checked.
class ReferenceSheet {
public:
    ReferenceSheet() {
        sheet.SetSize(640, 480);
        c = sheet.Canvas();
        c->Brush()->SetColor(clWhite);
        c->FillRect(Rect(0, 0, 640, 480));
    }

    void label(int x, int y, const char* utf8) {
        c->Font()->SetName("Arial Cyr");
        c->Font()->SetHeight(-11);
        c->Font()->SetColor(clBlack);
        c->Font()->SetEscapement(0);
        c->Brush()->SetStyle(bsClear);
        c->TextOut(x, y, tk::fromUtf8(utf8));
    }

    void pens() {
        label(10, 2, "Перья: ширина 1 и 3");
        for (int width : {1, 3}) {
            for (int style = psSolid; style <= psInsideFrame; ++style) {
                c->Pen()->SetWidth(width);
                c->Pen()->SetStyle(static_cast<TPenStyle>(style));
                c->Pen()->SetColor(clNavy);
                c->Brush()->SetStyle(bsSolid);
                c->Brush()->SetColor(clYellow);
                const int x = width == 1 ? 10 : 330;
                c->MoveTo(x, 20 + style * 12);
                c->LineTo(x + 290, 20 + style * 12);
            }
        }
        c->Pen()->SetStyle(psSolid);
        c->Pen()->SetWidth(1);
    }

    void caps() {
        label(10, 100, "Концы: круглые и квадратные");
        for (const auto& [cap, x] : {std::pair{pecRound, 30}, std::pair{pecSquare, 200}}) {
            c->Pen()->SetGeometric(psSolid, 12, cap, clGreen);
            c->MoveTo(x, 125);
            c->LineTo(x + 100, 125);
            c->Pen()->SetColor(clRed);
            c->Pen()->SetWidth(1);
            c->MoveTo(x, 115);
            c->LineTo(x, 136);
            c->MoveTo(x + 100, 115);
            c->LineTo(x + 100, 136);
        }
        c->Pen()->SetGeometric(psDashDot, 5, pecFlat, clPurple);
        c->MoveTo(370, 125);
        c->LineTo(620, 125);
        c->Pen()->SetColor(clBlack);
        c->Pen()->SetWidth(1);
        c->Pen()->SetStyle(psSolid);
    }

    void brushes() {
        label(10, 142, "Кисти");
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(clSilver);
        c->FillRect(Rect(0, 156, 640, 216));
        for (int style = bsSolid; style <= bsDiagCross; ++style) {
            c->Brush()->SetStyle(static_cast<TBrushStyle>(style));
            c->Brush()->SetColor(clNavy);
            c->Rectangle(10 + style * 78, 160, 78 + style * 78, 212);
        }
    }

    void star(int left, int fillMode) {
        const std::array<TPoint, 5> points = {Point(left + 60, 230), Point(left + 97, 340), Point(left + 3, 272),
                                              Point(left + 117, 272), Point(left + 23, 340)};
        c->SetPolyFillMode(fillMode);
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(clRed);
        c->Pen()->SetColor(clBlack);
        c->Polygon(points);
        c->SetPolyFillMode(ALTERNATE);
    }

    void bezier() {
        const std::array<TPoint, 13> blob = {Point(280, 290), Point(280, 240), Point(330, 225), Point(350, 240),
                                             Point(380, 260), Point(400, 250), Point(400, 290), Point(400, 330),
                                             Point(350, 345), Point(330, 330), Point(310, 320), Point(280, 340),
                                             Point(280, 290)};
        label(280, 222, "Путь Безье");
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(clLime);
        c->BeginPath();
        c->PolyBezier(blob);
        c->EndPath();
        c->FillPath();
        c->Pen()->SetWidth(2);
        c->PolyBezier(blob);
        c->Pen()->SetWidth(1);
    }

    void texts() {
        const std::pair<int, TPoint> placements[] = {
            {0, Point(20, 370)}, {450, Point(150, 470)}, {900, Point(330, 470)}, {2700, Point(620, 230)}};
        c->Font()->SetName("Times New Roman Cyr");
        c->Font()->SetHeight(-16);
        c->Font()->SetCharset(RUSSIAN_CHARSET);
        c->Font()->SetColor(clMaroon);
        for (const auto& [angle, at] : placements) {
            c->Font()->SetEscapement(angle);
            c->Font()->SetOrientation(angle);
            c->Brush()->SetStyle(bsSolid);
            c->Brush()->SetColor(clYellow);
            c->TextOut(at.X, at.Y, tk::fromUtf8("Текст"));
            c->Brush()->SetStyle(bsClear);
            const int dx = angle == 2700 ? -24 : 24;
            c->TextOut(at.X + (angle == 0 ? 0 : dx), at.Y + (angle == 0 ? 24 : 0), tk::fromUtf8("Прозрачно"));
        }
        c->Font()->SetEscapement(0);
    }

    void icon() {
        TBitmap glyph;
        glyph.SetSize(8, 8);
        glyph.Canvas()->Brush()->SetColor(clAqua);
        glyph.Canvas()->FillRect(Rect(0, 0, 8, 8));
        glyph.Canvas()->Brush()->SetColor(clRed);
        glyph.Canvas()->Pen()->SetColor(clBlack);
        glyph.Canvas()->Ellipse(1, 1, 7, 7);
        glyph.SetTransparent(true);
        c->Brush()->SetStyle(bsDiagCross);
        c->Brush()->SetColor(clTeal);
        c->FillRect(Rect(440, 380, 520, 460));
        c->StretchDraw(Rect(448, 388, 512, 452), glyph);
        label(440, 462, "Значок");
    }

    TBitmap sheet;
    TCanvas* c = nullptr;
};

TEST(TCanvasSheetTest, ReferenceSheetIsWrittenAndItsCertainPixelsHold) {
    ReferenceSheet r;
    r.pens();
    r.caps();
    r.brushes();
    r.label(10, 220, "Звезда: чередование и обмотка");
    r.star(10, ALTERNATE);
    r.star(140, WINDING);
    r.bezier();
    r.texts();
    r.icon();
    TCanvas* c = r.c;

    // Dotted one-pixel pen over a solid yellow brush: navy dots, yellow gaps.
    EXPECT_EQ(c->Pixels(10, 44), clNavy);
    EXPECT_EQ(c->Pixels(13, 44), clYellow);
    // Width 3 is solid whatever the style.
    EXPECT_EQ(c->Pixels(343, 44), clNavy);
    // bsFDiagonal ("\") in its rectangle: hatch pixels on lines 8 apart, the gaps keep the strip.
    for (int y = 161; y < 211; ++y) {
        for (int x = 323; x < 389; ++x) {
            EXPECT_EQ(c->Pixels(x, y), ((x - y) % 8 == 0) ? clNavy : clSilver) << x << "," << y;
        }
    }
    // The star's centre: empty in alternate mode, filled in winding mode.
    EXPECT_EQ(c->Pixels(70, 290), clWhite);
    EXPECT_EQ(c->Pixels(200, 290), clRed);
    // The Bezier path is filled and outlined.
    EXPECT_EQ(c->Pixels(340, 290), clLime);
    EXPECT_EQ(c->Pixels(280, 290), clBlack);
    // The stretched icon keeps its red inside and shows the background at its corners.
    EXPECT_EQ(c->Pixels(480, 420), clRed);
    EXPECT_EQ(c->Pixels(449, 389), clWhite);  // between the cross-hatch lines
    EXPECT_EQ(c->Pixels(450, 390), clTeal);   // on a "/" line
    EXPECT_EQ(c->Pixels(511, 451), clWhite);

    // An XOR dotted frame drawn twice gives the sheet back bit for bit.
    const QImage before = tk::bitmapImage(r.sheet).copy();
    c->Pen()->SetMode(pmXor);
    c->Pen()->SetStyle(psDot);
    c->Pen()->SetColor(clWhite);
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clGray);
    c->Rectangle(5, 5, 635, 475);
    EXPECT_NE(tk::bitmapImage(r.sheet), before);
    c->Rectangle(5, 5, 635, 475);
    EXPECT_EQ(tk::bitmapImage(r.sheet), before);
    c->Pen()->SetMode(pmCopy);

    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("canvas-reference-sheet.png");
    ASSERT_TRUE(tk::bitmapImage(r.sheet).save(path, "PNG")) << path.toStdString();
}

} // namespace
