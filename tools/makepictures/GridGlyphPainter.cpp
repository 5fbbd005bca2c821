// Draws the data grid's glyphs and indicators with plain shapes in the sixteen colours.
#include "makepictures/GridGlyphPainter.h"

#include <vector>

#include "makepictures/Drawing.h"
#include "toolkit/TCanvas.h"

namespace pictures {
namespace {

constexpr std::array<TColor, 16> kSixteen = {clBlack,  clMaroon, clGreen, clOlive,   clNavy,   clPurple,
                                             clTeal,   clGray,   clSilver, clRed,    clLime,   clYellow,
                                             clBlue,   clFuchsia, clAqua,  clWhite};

TCanvas& blank(TBitmap& bitmap, int width, int height, TColor background) {
    bitmap.SetSize(width, height);
    TCanvas& c = *bitmap.Canvas();
    fillRect(c, TRect{0, 0, width, height}, background);
    return c;
}

void frame(TCanvas& c, const TRect& r, TColor fill) { shape(c, std::vector<TPoint>{{r.Left, r.Top}, {r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left, r.Bottom}}, fill, clBlack); }

void blob(TCanvas& c) {
    frame(c, TRect{3, 2, 14, 11}, clSilver);
    for (int x = 5; x < 13; x += 2)
        line(c, {x, 4}, {x, 10}, x % 4 == 1 ? clNavy : clBlack, 1);
}

void memo(TCanvas& c) {
    frame(c, TRect{4, 1, 13, 12}, clWhite);
    for (int y = 3; y < 11; y += 2)
        line(c, {6, y}, {y == 9 ? 9 : 12, y}, clNavy, 1);
}

void picture(TCanvas& c) {
    frame(c, TRect{2, 2, 15, 11}, clAqua);
    shape(c, std::vector<TPoint>{{3, 10}, {7, 5}, {10, 8}, {12, 6}, {14, 10}}, clGreen, clGreen);
    fillRect(c, TRect{11, 3, 13, 5}, clYellow);
}

void ole(TCanvas& c) {
    frame(c, TRect{2, 2, 10, 9}, clWhite);
    frame(c, TRect{7, 5, 15, 12}, clTeal);
}

void object(TCanvas& c) {
    shape(c, std::vector<TPoint>{{4, 4}, {8, 1}, {15, 1}, {11, 4}}, clSilver, clBlack);
    shape(c, std::vector<TPoint>{{11, 4}, {15, 1}, {15, 9}, {11, 12}}, clGray, clBlack);
    frame(c, TRect{4, 4, 11, 12}, clWhite);
}

void dataSet(TCanvas& c) {
    frame(c, TRect{2, 2, 15, 12}, clWhite);
    fillRect(c, TRect{3, 3, 15, 5}, clNavy);
    for (int y = 7; y < 12; y += 2)
        line(c, {3, y}, {15, y}, clGray, 1);
    line(c, {7, 5}, {7, 12}, clGray, 1);
}

void notEmpty(TCanvas& c) { shape(c, std::vector<TPoint>{{9, 3}, {13, 7}, {9, 11}, {5, 7}}, clBlack, clBlack); }

void sortMarker(TCanvas& c, bool down) {
    if (down)
        shape(c, std::vector<TPoint>{{1, 2}, {8, 2}, {4, 6}}, clGray, clBlack);
    else
        shape(c, std::vector<TPoint>{{4, 2}, {8, 6}, {1, 6}}, clGray, clBlack);
}

} // namespace

std::span<const TColor> sixteenColours() { return kSixteen; }

void paintGridGlyph(int index, TBitmap& bitmap) {
    if (index >= 7) {
        sortMarker(blank(bitmap, 10, 9, clFuchsia), index == 7);
        return;
    }
    TCanvas& c = blank(bitmap, 18, 14, clOlive);
    switch (index) {
    case 0:
        blob(c);
        break;
    case 1:
        memo(c);
        break;
    case 2:
        picture(c);
        break;
    case 3:
        ole(c);
        break;
    case 4:
        object(c);
        break;
    case 5:
        dataSet(c);
        break;
    default:
        notEmpty(c);
        break;
    }
}

void paintSelectionIndicator(bool arrow, TBitmap& bitmap) {
    TCanvas& c = blank(bitmap, 6, 11, clWhite);
    if (arrow)
        shape(c, std::vector<TPoint>{{1, 2}, {4, 5}, {1, 8}}, clBlack, clBlack);
    else
        fillRect(c, TRect{2, 4, 4, 6}, clBlack);
}

} // namespace pictures
