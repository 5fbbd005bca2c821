#include "toolkit/TCanvas.h"

#include <QImage>

#include <array>
#include <cmath>
#include <functional>
#include <memory>
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
    struct Probe {
        int x, y;
        TColor color;
    };

    void SetUp() override { fresh(); }

    // A new white surface with a new canvas: default pen, brush and modes.
    void fresh() {
        bitmap = std::make_unique<TBitmap>();
        bitmap->SetSize(120, 100);
        clear(clWhite);
    }

    TCanvas* canvas() { return bitmap->Canvas(); }
    TColor at(int x, int y) { return canvas()->Pixels(x, y); }
    QImage snapshot() { return tk::bitmapImage(*bitmap).copy(); }

    void clear(TColor color) {
        canvas()->Brush()->SetStyle(bsSolid);
        canvas()->Brush()->SetColor(color);
        canvas()->FillRect(Rect(0, 0, bitmap->Width(), bitmap->Height()));
    }

    void line(int x1, int y1, int x2, int y2) {
        canvas()->MoveTo(x1, y1);
        canvas()->LineTo(x2, y2);
    }

    void expectPixels(std::initializer_list<Probe> probes) {
        for (const Probe& p : probes) EXPECT_EQ(at(p.x, p.y), p.color) << "at " << p.x << "," << p.y;
    }

    // The first pixel of `area` whose colour is not expected(x, y), or "" when all are.
    template <typename Expected>
    std::string firstMismatch(const TRect& area, Expected&& expected) {
        for (int y = area.Top; y < area.Bottom; ++y) {
            for (int x = area.Left; x < area.Right; ++x) {
                if (at(x, y) != expected(x, y)) return std::to_string(x) + "," + std::to_string(y);
            }
        }
        return "";
    }
    TRect whole() const { return Rect(0, 0, bitmap->Width(), bitmap->Height()); }

    // Some varied content, so that XOR tests do not pass on a blank picture by luck.
    void paintSomething() {
        for (int y = 0; y < bitmap->Height(); ++y) {
            for (int x = 0; x < bitmap->Width(); ++x) canvas()->SetPixels(x, y, RGB(x * 2, y * 2, (x ^ y) & 0xFF));
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

    std::unique_ptr<TBitmap> bitmap;
};

TEST_F(TCanvasTest, LineToLeavesOutTheLastPixelAndMovesThePen) {
    line(10, 10, 20, 10);
    expectPixels({{10, 10, clBlack}, {19, 10, clBlack}, {20, 10, clWhite}});
    EXPECT_EQ(canvas()->PenPos(), Point(20, 10));
    canvas()->LineTo(20, 20);
    expectPixels({{20, 10, clBlack}, {20, 19, clBlack}, {20, 20, clWhite}});
}

// Shapes drawn alone on a fresh white surface, each with the pixels that prove its rule.
TEST_F(TCanvasTest, EachShapeRuleShowsInItsPixels) {
    const struct {
        const char* rule;
        std::function<void()> draw;
        std::vector<Probe> probes;
    } shapes[] = {
        {"a pen of width 0 or less draws one pixel", [&] {
             canvas()->Pen()->SetWidth(0);
             line(10, 10, 30, 10);
             canvas()->Pen()->SetWidth(-3);
             line(10, 20, 30, 20);
         }, {{20, 10, clBlack}, {20, 9, clWhite}, {20, 11, clWhite}, {20, 20, clBlack}, {20, 19, clWhite}, {20, 21, clWhite}}},
        {"a clear pen draws nothing and the rectangle fill shrinks", [&] {
             canvas()->Pen()->SetStyle(psClear);
             canvas()->Brush()->SetColor(clRed);
             line(0, 0, 50, 50);
             canvas()->Rectangle(10, 10, 20, 20);
         }, {{5, 5, clWhite}, {10, 10, clRed}, {18, 18, clRed}, {19, 15, clWhite}, {15, 19, clWhite}}},
        {"a rectangle outlines its outermost pixels and fills inside", [&] {
             canvas()->Brush()->SetColor(clRed);
             canvas()->Rectangle(10, 10, 30, 20);
         }, {{10, 15, clBlack}, {29, 15, clBlack}, {30, 15, clWhite}, {20, 10, clBlack}, {20, 19, clBlack},
             {20, 20, clWhite}, {11, 11, clRed}, {28, 18, clRed}, {9, 15, clWhite}}},
        {"an inside frame keeps a wide stroke inside the box, a solid pen does not", [&] {
             canvas()->Brush()->SetStyle(bsClear);
             canvas()->Pen()->SetWidth(5);
             canvas()->Pen()->SetStyle(psInsideFrame);
             canvas()->Rectangle(20, 20, 60, 60);
             canvas()->Pen()->SetStyle(psSolid);
             canvas()->Rectangle(70, 20, 110, 60);
         }, {{20, 40, clBlack}, {24, 40, clBlack}, {25, 40, clWhite}, {19, 40, clWhite}, {59, 40, clBlack},
             {60, 40, clWhite}, {68, 40, clBlack}}},
        {"pen modes not and not-xor", [&] {
             clear(kBackground);
             canvas()->Pen()->SetColor(clRed);
             canvas()->Pen()->SetMode(pmNot);
             line(0, 5, 10, 5);
             canvas()->Pen()->SetMode(pmNotXor);
             line(0, 6, 10, 6);
         }, {{5, 5, kBackground ^ 0x00FFFFFF}, {5, 6, (kBackground ^ clRed) ^ 0x00FFFFFF}}},
        // The square end covers the corner and the end point; the round end leaves the corner.
        {"geometric end caps", [&] {
             canvas()->Pen()->SetGeometric(psSolid, 6, pecSquare, clBlack);
             line(20, 20, 50, 20);
             canvas()->Pen()->SetGeometric(psSolid, 6, pecRound, clBlack);
             line(20, 60, 50, 60);
             EXPECT_FALSE((canvas()->Pen()->SetWidth(6), canvas()->Pen()->Geometric()));
         }, {{18, 18, clBlack}, {50, 20, clBlack}, {17, 57, clWhite}, {18, 60, clBlack}}},
        // Dashes of 6 widths (24 pixels), gaps of 2 (8 pixels).
        {"geometric dashes scale with the width", [&] {
             canvas()->Brush()->SetStyle(bsClear);
             canvas()->Pen()->SetGeometric(psDash, 4, pecFlat, clBlack);
             line(0, 20, 119, 20);
         }, {{10, 20, clBlack}, {28, 20, clWhite}, {40, 20, clBlack}}},
        {"FillRect with a hatch keeps the surface in the gaps", [&] {
             canvas()->Brush()->SetColor(clRed);
             canvas()->Brush()->SetStyle(bsCross);
             canvas()->FillRect(Rect(10, 10, 50, 50));
         }, {{30, 24, clRed}, {24, 30, clRed}, {29, 29, clWhite}, {8, 16, clWhite}}},
        {"FillRect and FrameRect use the brush whatever the pen mode", [&] {
             canvas()->Pen()->SetMode(pmXor);
             canvas()->Brush()->SetColor(clRed);
             canvas()->FillRect(Rect(10, 10, 20, 20));
             canvas()->Brush()->SetColor(clBlue);
             canvas()->FrameRect(Rect(30, 30, 40, 40));
         }, {{10, 10, clRed}, {19, 19, clRed}, {20, 19, clWhite}, {30, 35, clBlue}, {39, 35, clBlue},
             {35, 35, clWhite}, {40, 35, clWhite}}},
        {"pixels outside the surface read as invalid", [&] {
             canvas()->SetPixels(-1, 0, clRed);
             canvas()->SetPixels(120, 0, clRed);
             canvas()->SetPixels(3, 4, clRed);
         }, {{-1, 0, -1}, {0, 100, -1}, {3, 4, clRed}}},
        {"Draw and StretchDraw leave out the transparent colour", [&] {
             TBitmap icon;
             icon.SetSize(4, 4);
             icon.Canvas()->Brush()->SetColor(clAqua);
             icon.Canvas()->FillRect(Rect(0, 0, 4, 4));
             icon.Canvas()->SetPixels(1, 1, clRed);
             icon.SetTransparent(true);
             canvas()->Draw(10, 10, icon);
             canvas()->StretchDraw(Rect(20, 20, 28, 28), icon);
             icon.SetTransparent(false);
             canvas()->Draw(40, 40, icon);
         }, {{11, 11, clRed}, {10, 10, clWhite}, {22, 22, clRed}, {23, 23, clRed}, {24, 24, clWhite}, {40, 40, clAqua}}},
        {"CopyRect stretches", [&] {
             TBitmap source;
             source.SetSize(2, 2);
             source.Canvas()->SetPixels(1, 1, clRed);
             canvas()->CopyRect(Rect(10, 10, 30, 30), *source.Canvas(), Rect(0, 0, 2, 2));
         }, {{19, 19, clWhite}, {20, 20, clRed}, {29, 29, clRed}, {30, 30, clWhite}}},
    };
    for (const auto& shape : shapes) {
        SCOPED_TRACE(shape.rule);
        fresh();
        shape.draw();
        for (const Probe& p : shape.probes)
            EXPECT_EQ(at(p.x, p.y), p.color) << "at " << p.x << "," << p.y;
    }
}

// One period of each style, twice, along a horizontal line; gaps show the background under a
// clear or hatched brush and the brush colour under a solid one.
TEST_F(TCanvasTest, DashPatternsAreCountedInPixels) {
    const struct {
        TPenStyle style;
        TBrushStyle brush;
        const char* pattern;
    } rows[] = {
        {psDash, bsClear, "ppppppppppppppppppgggggg"},     {psDot, bsClear, "pppgggpppggg"},
        {psDashDot, bsClear, "pppppppppggggggpppgggggg"},  {psDashDotDot, bsClear, "pppppppppgggpppgggpppggg"},
        {psDot, bsSolid, "pppgggpppggg"},                  {psDot, bsHorizontal, "pppgggpppggg"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "pen " << r.style << ", brush " << r.brush);
        clear(clWhite);
        canvas()->Pen()->SetStyle(r.style);
        canvas()->Brush()->SetColor(clRed);
        canvas()->Brush()->SetStyle(r.brush);
        line(0, 5, 100, 5);
        const std::string expected = std::string(r.pattern) + r.pattern;
        EXPECT_EQ(row(5, 0, static_cast<int>(expected.size()), clBlack, r.brush == bsSolid ? clRed : clWhite), expected);
    }
}

TEST_F(TCanvasTest, DashPatternGoesOnAcrossPolylineCorners) {
    canvas()->Brush()->SetStyle(bsClear);
    canvas()->Pen()->SetStyle(psDot);
    const std::array<TPoint, 3> points = {Point(10, 10), Point(14, 10), Point(14, 30)};
    canvas()->Polyline(points);
    // Pixels 0..3 along x, then down from (14, 10): on on on off | off off on on on off ...
    EXPECT_EQ(row(10, 10, 15, clBlack, clWhite), "pppgg");
    expectPixels({{14, 11, clWhite}, {14, 12, clBlack}});
}

TEST_F(TCanvasTest, WidePensAreSolidWithRoundEnds) {
    canvas()->Pen()->SetWidth(3);
    canvas()->Pen()->SetStyle(psDot);
    line(20, 20, 60, 20);
    EXPECT_EQ(firstMismatch(Rect(20, 19, 61, 22), [](int, int) { return clBlack; }), "");
    // The round end reaches a pixel past the end on the line, not into the corner.
    expectPixels({{40, 22, clWhite}, {40, 18, clWhite}, {61, 20, clBlack}, {62, 18, clWhite}});
}

TEST_F(TCanvasTest, EllipseFillsItsBoxAndAnEmptyBoxDrawsNothing) {
    const QImage before = snapshot();
    canvas()->Ellipse(10, 10, 10, 40);
    canvas()->Ellipse(10, 10, 40, 10);
    EXPECT_EQ(snapshot(), before);
    canvas()->Brush()->SetColor(clRed);
    canvas()->Ellipse(10, 10, 41, 31);
    expectPixels({{25, 20, clRed}, {10, 20, clBlack}, {40, 20, clBlack}, {41, 20, clWhite}, {25, 10, clBlack},
                  {25, 30, clBlack}, {11, 11, clWhite}});
}

TEST_F(TCanvasTest, SelfIntersectingStarFollowsTheFillMode) {
    // A five-pointed star: its centre is crossed twice from outside.
    const std::array<TPoint, 5> star = {Point(60, 5), Point(90, 90), Point(15, 35), Point(105, 35), Point(30, 90)};
    canvas()->Pen()->SetColor(clBlue);
    canvas()->Brush()->SetColor(clRed);
    canvas()->Polygon(star);
    expectPixels({{60, 50, clWhite}, {60, 20, clRed}});
    canvas()->SetPolyFillMode(WINDING);
    canvas()->Polygon(star);
    expectPixels({{60, 50, clRed}, {60, 5, clBlue}});
}

// Hatch lines are 8 pixels apart, aligned to the surface origin whatever the rectangle; the
// gaps keep what was under them.
TEST_F(TCanvasTest, HatchLinesFollowTheDeviceOriginAndLeaveGapsAlone) {
    const auto modulo8 = [](int v) { return (v % 8 + 8) % 8; };
    const struct {
        TBrushStyle style;
        std::function<bool(int, int)> onLine;
    } hatches[] = {
        {bsHorizontal, [&](int, int y) { return modulo8(y) == 0; }},
        {bsVertical, [&](int x, int) { return modulo8(x) == 0; }},
        {bsFDiagonal, [&](int x, int y) { return modulo8(x - y) == 0; }},
        {bsBDiagonal, [&](int x, int y) { return modulo8(x + y) == 0; }},
        {bsCross, [&](int x, int y) { return modulo8(x) == 0 || modulo8(y) == 0; }},
        {bsDiagCross, [&](int x, int y) { return modulo8(x - y) == 0 || modulo8(x + y) == 0; }},
    };
    for (const auto& h : hatches) {
        SCOPED_TRACE(testing::Message() << "brush " << h.style);
        clear(kBackground);
        canvas()->Pen()->SetStyle(psClear);
        canvas()->Brush()->SetColor(clRed);
        canvas()->Brush()->SetStyle(h.style);
        canvas()->Rectangle(13, 7, 60, 50);
        EXPECT_EQ(firstMismatch(Rect(13, 7, 59, 49), [&](int x, int y) { return h.onLine(x, y) ? clRed : kBackground; }), "");
    }
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
    expectPixels({{6, 6, clRed}, {7, 6, clBlue}, {5, 6, clBlue}, {4, 6, clWhite}});
    canvas()->Pen()->SetMode(pmXor);
    canvas()->Pen()->SetStyle(psClear);
    canvas()->Rectangle(30, 30, 40, 40);
    expectPixels({{30, 30, clRed ^ clWhite}, {31, 30, clBlue ^ clWhite}});
}

TEST_F(TCanvasTest, XorDottedFrameDrawnTwiceRestoresTheBitmap) {
    paintSomething();
    const QImage before = snapshot();
    canvas()->Pen()->SetMode(pmXor);
    canvas()->Pen()->SetStyle(psDot);
    canvas()->Pen()->SetColor(clWhite);
    const std::array<TPoint, 5> frame = {Point(3, 3), Point(60, 3), Point(60, 40), Point(3, 40), Point(3, 3)};
    for (TBrushStyle brush : {bsClear, bsSolid}) {
        SCOPED_TRACE(brush);
        canvas()->Brush()->SetStyle(brush);
        canvas()->Brush()->SetColor(0x00A5C3E1);
        canvas()->Rectangle(7, 9, 93, 71);
        EXPECT_NE(snapshot(), before);
        canvas()->Rectangle(7, 9, 93, 71);
        EXPECT_EQ(snapshot(), before);
        for (int pass = 0; pass < 2; ++pass) canvas()->Polyline(frame);
        EXPECT_EQ(snapshot(), before);
    }
}

TEST_F(TCanvasTest, FocusRectInvertsEveryOtherPixelAndTwiceRestoresTheBitmap) {
    paintSomething();
    const QImage before = snapshot();
    // Rectangles of every small size too, where sides meet and corners could be inverted twice.
    const TRect rects[] = {Rect(5, 6, 50, 40), Rect(60, 60, 61, 61), Rect(70, 60, 72, 64), Rect(80, 60, 83, 61)};
    for (const TRect& rect : rects) canvas()->DrawFocusRect(rect);
    const QImage& after = tk::bitmapImage(*bitmap);
    EXPECT_EQ(static_cast<QRgb>(after.pixel(6, 6)), before.pixel(6, 6) ^ 0x00FFFFFFu);
    EXPECT_EQ(after.pixel(7, 6), before.pixel(7, 6));
    EXPECT_EQ(after.pixel(20, 20), before.pixel(20, 20));
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
    const QImage& after = tk::bitmapImage(*bitmap);
    EXPECT_EQ(static_cast<QRgb>(after.pixel(20, 45)), before.pixel(20, 45) ^ 0x00FFFFFFu);
    EXPECT_EQ(static_cast<QRgb>(after.pixel(50, 45)), before.pixel(50, 45) ^ 0x00FF00FFu);
    canvas()->Ellipse(20, 20, 80, 70);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(TCanvasTest, DottedXorLineOverSolidBackgroundAlternates) {
    clear(kBackground);
    canvas()->Pen()->SetMode(pmXor);
    canvas()->Pen()->SetColor(clWhite);
    canvas()->Pen()->SetStyle(psDot);
    canvas()->Brush()->SetStyle(bsClear);
    line(0, 10, 100, 10);
    const TColor inverted = kBackground ^ 0x00FFFFFF;
    EXPECT_EQ(row(10, 0, 12, inverted, kBackground), "pppgggpppggg");
    canvas()->Brush()->SetStyle(bsSolid);
    canvas()->Brush()->SetColor(clRed);
    line(0, 20, 100, 20);
    EXPECT_EQ(row(20, 0, 12, inverted, kBackground ^ clRed), "pppgggpppggg");
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
    // Like a polygon's, the fill takes the left edge and leaves the right one to the outline.
    expectPixels({{50, 50, clRed}, {37, 37, clRed}, {33, 33, clWhite}, {30, 50, clRed}, {70, 50, clWhite}});
    canvas()->PolyBezier(curve);
    expectPixels({{30, 50, clBlack}, {70, 50, clBlack}, {50, 30, clBlack}, {50, 50, clRed}});
    // The path is gone after filling.
    canvas()->Brush()->SetColor(clBlue);
    canvas()->FillPath();
    EXPECT_EQ(at(50, 50), clRed);
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
    line(0, 0, 119, 99);
    canvas()->Brush()->SetStyle(bsDiagCross);
    canvas()->Pen()->SetMode(pmXor);
    canvas()->Rectangle(0, 0, 120, 100);
    canvas()->TextOut(0, 30, "Clipped text that runs far across");
    canvas()->SetPixels(10, 10, clRed);
    TBitmap stamp;
    stamp.SetSize(120, 100);
    canvas()->Draw(0, 0, stamp);
    SelectClipRgn(*canvas(), nullptr);
    const QImage& after = tk::bitmapImage(*bitmap);
    int changedInside = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 120; ++x) {
            const bool inside = clip.Contains(x, y);
            if (!inside) {
                ASSERT_EQ(after.pixel(x, y), before.pixel(x, y)) << x << "," << y;
            }
            changedInside += inside && after.pixel(x, y) != before.pixel(x, y);
        }
    }
    EXPECT_GT(changedInside, 0);
    canvas()->SetPixels(10, 10, clRed);
    EXPECT_EQ(at(10, 10), clRed);
}

// Fills under a polygon region, one rectangle or many, in both pen modes: every pixel inside
// takes the fill, every pixel outside stays, and pixels outside cannot even be read meanwhile.
TEST_F(TCanvasTest, FillsKeepToAPolygonClipRegion) {
    const std::array<TPoint, 3> triangle = {Point(0, 0), Point(100, 0), Point(0, 100)};
    const std::array<TPoint, 5> star = {Point(60, 0), Point(95, 99), Point(5, 35), Point(115, 35), Point(25, 99)};
    const std::array<TPoint, 4> cover = {Point(-10, -10), Point(130, -10), Point(130, 110), Point(-10, 110)};
    for (const TRegion& clip : {CreatePolygonRgn(triangle, ALTERNATE), CreatePolygonRgn(star, ALTERNATE)}) {
        for (TPenMode mode : {pmCopy, pmXor}) {
            SCOPED_TRACE(testing::Message() << "mode " << mode);
            clear(clWhite);
            canvas()->Pen()->SetStyle(psClear);
            canvas()->Brush()->SetColor(clRed);
            SelectClipRgn(*canvas(), &clip);
            canvas()->Pen()->SetMode(mode);
            canvas()->Polygon(cover);
            EXPECT_EQ(at(119, 0), -1);
            SelectClipRgn(*canvas(), nullptr);
            const TColor inside = mode == pmCopy ? clRed : (clRed ^ clWhite);
            EXPECT_EQ(firstMismatch(whole(), [&](int x, int y) { return clip.Contains(x, y) ? inside : clWhite; }), "");
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
    canvas()->Brush()->SetStyle(bsClear);
    canvas()->TextOut(10, 50, "Ab");
    int ink = 0, background = 0;
    for (int y = 0; y < extent.cy; ++y) {
        for (int x = 10; x < 10 + extent.cx; ++x) {
            EXPECT_TRUE(at(x, 10 + y) == clYellow || at(x, 10 + y) == clBlack) << x << "," << 10 + y;
            ink += at(x, 10 + y) == clBlack;
            background += at(x, 50 + y) == kBackground;
        }
    }
    EXPECT_GT(ink, 10);
    EXPECT_EQ(background + ink, extent.cx * extent.cy);
    expectPixels({{9, 10, kBackground}, {10 + extent.cx, 10, kBackground}, {10, 10 + extent.cy, kBackground}});
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
    expectPixels({{18, 80, kBackground}, {25, 92, kBackground}, {25, 90 - extent.cx - 2, kBackground}});
}

TEST_F(TCanvasTest, TextRectClipsAndFillsItsRectangle) {
    clear(kBackground);
    canvas()->Font()->SetHeight(-20);
    canvas()->Brush()->SetColor(clYellow);
    canvas()->TextRect(Rect(10, 10, 30, 20), 10, 10, "WWWWWW");
    EXPECT_EQ(firstMismatch(Rect(0, 0, 40, 30), [&](int x, int y) {
                  return x >= 10 && x < 30 && y >= 10 && y < 20 ? at(x, y) : kBackground;
              }),
              "");
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

TEST_F(TCanvasTest, CopyModesCombineSourceAndDestination) {
    TBitmap source;
    source.SetSize(2, 1);
    source.Canvas()->SetPixels(0, 0, clRed);
    source.Canvas()->SetPixels(1, 0, clBlue);
    clear(kBackground);
    const struct {
        TCopyMode mode;
        int x;
        TColor expected;
    } modes[] = {
        {cmSrcInvert, 0, kBackground ^ clRed}, {cmDstInvert, 0, kBackground ^ 0x00FFFFFF},
        {cmSrcAnd, 1, kBackground & clBlue},   {cmSrcPaint, 1, kBackground | clBlue},
        {cmNotSrcCopy, 0, clRed ^ 0x00FFFFFF},
    };
    int y = 0;
    for (const auto& m : modes) {
        canvas()->SetCopyMode(m.mode);
        canvas()->Draw(0, y, source);
        EXPECT_EQ(at(m.x, y), m.expected) << "copy mode " << m.mode;
        ++y;
    }
}

TEST_F(TCanvasTest, CopyRectOntoItselfMovesThePicture) {
    paintSomething();
    const QImage before = snapshot();
    canvas()->CopyRect(Rect(3, 2, 120, 100), *canvas(), Rect(0, 0, 117, 98));
    const QImage& after = tk::bitmapImage(*bitmap);
    for (int y = 2; y < 100; y += 7) {
        for (int x = 3; x < 120; x += 5) EXPECT_EQ(after.pixel(x, y), before.pixel(x - 3, y - 2)) << x << "," << y;
    }
    EXPECT_EQ(after.pixel(1, 1), before.pixel(1, 1));
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

// Coordinates near the ends of the range must neither overflow nor crash, in either pen mode.
TEST_F(TCanvasTest, ShapesSpanningTheWholeCoordinateRangeFillTheirVisiblePartExactly) {
    const std::array<TPoint, 3> triangle = {Point(-2000000000, -2000000000), Point(2000000000, 2000000000),
                                            Point(-2000000000, 2000000000)};
    const struct {
        const char* shape;
        std::function<void()> draw;
        std::function<bool(int, int)> filled;
    } shapes[] = {
        {"rectangle", [&] { canvas()->Rectangle(-2000000000, -2000000000, 2000000000, 2000000000); },
         [](int, int) { return true; }},
        {"ellipse", [&] { canvas()->Ellipse(-2000000000, -2000000000, 2000000000, 2000000000); },
         [](int, int) { return true; }},
        {"wide ellipse",
         [&] {
             canvas()->Pen()->SetWidth(5);
             canvas()->Ellipse(-1000000000, -1000000000, 1000000000, 1000000000);
             canvas()->Pen()->SetWidth(1);
         },
         [](int, int) { return true; }},
        // The long side runs along x = y across the surface: the pen on it, the fill left of it.
        {"triangle", [&] { canvas()->Polygon(triangle); }, [](int x, int y) { return x < y; }},
    };
    for (TPenMode mode : {pmCopy, pmXor}) {
        // The black pen XORed onto white leaves white.
        const TColor fill = mode == pmCopy ? clRed : (clRed ^ clWhite), pen = mode == pmCopy ? clBlack : clWhite;
        for (const auto& s : shapes) {
            clear(clWhite);
            canvas()->Pen()->SetMode(mode);
            canvas()->Brush()->SetColor(clRed);
            s.draw();
            canvas()->Pen()->SetMode(pmCopy);
            EXPECT_EQ(firstMismatch(whole(), [&](int x, int y) { return s.filled(x, y) ? fill : x == y ? pen : clWhite; }), "")
                << s.shape << ", mode " << mode;
        }
    }
}

TEST_F(TCanvasTest, LinesFarOutsideTheSurfaceAreCheap) {
    canvas()->Pen()->SetStyle(psDot);
    line(-2000000000, 50, 2000000000, 50);
    int black = 0;
    for (int x = 0; x < 120; ++x) black += at(x, 50) == clBlack;
    EXPECT_EQ(black, 60);
}

} // namespace
