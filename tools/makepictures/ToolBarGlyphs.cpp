// Each glyph is a few strokes and fills in the 24-pixel square, kept off its bottom-left pixel.
#include "makepictures/ToolBarGlyphs.h"

#include <array>
#include <cassert>
#include <vector>

#include "makepictures/Drawing.h"
#include "makepictures/GlyphPainter.h"

namespace pictures {
namespace {

constexpr TColor kInk = RGB(20, 20, 20);
constexpr TColor kBlue = RGB(30, 90, 200);
constexpr TColor kMap = RGB(120, 190, 110);

constexpr std::array<ToolGlyph, 8> kGlyphs = {{
    {"TOOLPICK", "SpeedButton5"},
    {"TOOLPAN", "SpeedButton9"},
    {"TOOLLENS", "SpeedButton4"},
    {"TOOLMEASURE", "SpeedButton6"},
    {"TOOLCITY", "SpeedButton10"},
    {"TOOLFIND", "SpeedButton3"},
    {"TOOLMINIMAP", "SpeedButton1"},
    {"TOOLHELP", "SpeedButton8"},
}};

// The pointer with a blue "i" beside it.
void paintPick(TCanvas& c) {
    shape(c, std::vector<TPoint>{{3, 2}, {3, 18}, {7, 14}, {10, 21}, {13, 20}, {10, 13}, {15, 13}}, clWhite, kInk);
    c.Brush()->SetColor(kBlue);
    c.Pen()->SetColor(kBlue);
    c.Ellipse(13, 1, 23, 11);
    fillRect(c, TRect{17, 5, 19, 10}, clWhite);
    fillRect(c, TRect{17, 2, 19, 4}, clWhite);
}

// Four arrows out of the centre.
void paintPan(TCanvas& c) {
    line(c, {12, 3}, {12, 21}, kInk, 2);
    line(c, {3, 12}, {21, 12}, kInk, 2);
    shape(c, std::vector<TPoint>{{12, 1}, {16, 6}, {8, 6}}, kInk, kInk);
    shape(c, std::vector<TPoint>{{12, 23}, {16, 18}, {8, 18}}, kInk, kInk);
    shape(c, std::vector<TPoint>{{1, 12}, {6, 8}, {6, 16}}, kInk, kInk);
    shape(c, std::vector<TPoint>{{23, 12}, {18, 8}, {18, 16}}, kInk, kInk);
}

// A magnifier with a plus: glass, rim and handle.
void paintLens(TCanvas& c) {
    line(c, {14, 14}, {21, 21}, RGB(120, 70, 20), 4);
    c.Brush()->SetColor(RGB(200, 230, 255));
    c.Pen()->SetColor(kInk);
    c.Pen()->SetWidth(2);
    c.Ellipse(2, 2, 17, 17);
    line(c, {6, 9}, {13, 9}, kInk, 2);
    line(c, {9, 6}, {9, 13}, kInk, 2);
}

// A slanted yellow ruler with its marks.
void paintMeasure(TCanvas& c) {
    shape(c, std::vector<TPoint>{{2, 15}, {15, 2}, {22, 9}, {9, 22}}, RGB(250, 210, 60), kInk);
    for (int i = 0; i < 6; ++i) {
        const int x = 5 + 2 * i;
        const int y = 14 - 2 * i;
        const int length = i % 2 == 0 ? 4 : 2;
        line(c, {x, y}, {x + length, y + length}, kInk, 1);
    }
}

// The city plan with arrows to its four corners.
void paintCity(TCanvas& c) {
    fillRect(c, TRect{6, 6, 18, 18}, kMap);
    line(c, {6, 12}, {18, 12}, clWhite, 1);
    line(c, {12, 6}, {12, 18}, clWhite, 1);
    c.Brush()->SetStyle(bsClear);
    c.Pen()->SetColor(kInk);
    c.Pen()->SetWidth(1);
    c.Rectangle(6, 6, 18, 18);
    shape(c, std::vector<TPoint>{{1, 1}, {6, 1}, {1, 6}}, kInk, kInk);
    shape(c, std::vector<TPoint>{{22, 1}, {17, 1}, {22, 6}}, kInk, kInk);
    shape(c, std::vector<TPoint>{{22, 22}, {17, 22}, {22, 17}}, kInk, kInk);
    shape(c, std::vector<TPoint>{{2, 22}, {7, 22}, {2, 17}}, kInk, kInk);
}

// A house under a magnifier.
void paintFind(TCanvas& c) {
    shape(c, std::vector<TPoint>{{1, 10}, {8, 3}, {15, 10}}, RGB(190, 60, 40), kInk);
    fillRect(c, TRect{3, 10, 14, 20}, RGB(240, 220, 180));
    fillRect(c, TRect{7, 14, 10, 20}, RGB(120, 70, 20));
    line(c, {17, 17}, {22, 22}, RGB(120, 70, 20), 3);
    c.Brush()->SetStyle(bsClear);
    c.Pen()->SetColor(kBlue);
    c.Pen()->SetWidth(2);
    c.Ellipse(10, 9, 20, 19);
}

// A small window holding the plan and the red frame of the view.
void paintMiniMap(TCanvas& c) {
    fillRect(c, TRect{2, 3, 22, 21}, kInk);
    fillRect(c, TRect{3, 4, 21, 7}, kBlue);
    fillRect(c, TRect{3, 7, 21, 20}, kMap);
    line(c, {3, 13}, {21, 13}, clWhite, 1);
    line(c, {10, 7}, {10, 20}, clWhite, 1);
    c.Brush()->SetStyle(bsClear);
    c.Pen()->SetColor(RGB(220, 20, 20));
    c.Pen()->SetWidth(1);
    c.Rectangle(12, 9, 19, 16);
}

// A blue disc with a question mark drawn in strokes.
void paintHelp(TCanvas& c) {
    c.Brush()->SetColor(kBlue);
    c.Pen()->SetColor(RGB(10, 50, 130));
    c.Pen()->SetWidth(1);
    c.Ellipse(1, 1, 23, 23);
    c.Pen()->SetColor(clWhite);
    c.Pen()->SetWidth(2);
    c.Polyline(std::vector<TPoint>{{8, 9}, {9, 6}, {12, 5}, {15, 6}, {16, 9}, {15, 11}, {12, 13}, {12, 15}});
    fillRect(c, TRect{11, 17, 14, 20}, clWhite);
}

} // namespace

std::span<const ToolGlyph> toolGlyphs() { return kGlyphs; }

void paintToolGlyph(int index, TBitmap& bitmap) {
    assert(index >= 0 && index < static_cast<int>(kGlyphs.size()) && "a glyph of the tool bar");
    bitmap.SetSize(kToolGlyphSize, kToolGlyphSize);
    TCanvas& c = *bitmap.Canvas();
    fillRect(c, TRect{0, 0, kToolGlyphSize, kToolGlyphSize}, kGlyphTransparent);
    switch (index) {
    case 0:
        paintPick(c);
        break;
    case 1:
        paintPan(c);
        break;
    case 2:
        paintLens(c);
        break;
    case 3:
        paintMeasure(c);
        break;
    case 4:
        paintCity(c);
        break;
    case 5:
        paintFind(c);
        break;
    case 6:
        paintMiniMap(c);
        break;
    default:
        paintHelp(c);
        break;
    }
}

} // namespace pictures
