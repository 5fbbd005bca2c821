// The badge is drawn back to front: the disc of the plan, its blocks and streets, the river, the
// rim, then the pin with its shadow. Everything stays inside the disc, off the transparent corner.
#include "makepictures/AboutPicturePainter.h"

#include <vector>

#include "makepictures/Drawing.h"
#include "makepictures/GlyphPainter.h"

namespace pictures {
namespace {

constexpr TColor kPlan = RGB(226, 236, 214);
constexpr TColor kBlock = RGB(196, 186, 170);
constexpr TColor kRiver = RGB(90, 150, 220);
constexpr TColor kRim = RGB(30, 70, 150);
constexpr TColor kPin = RGB(210, 30, 30);

void paintPlan(TCanvas& c) {
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(kPlan);
    c.Pen()->SetColor(kPlan);
    c.Ellipse(2, 2, 50, 50);
    // Blocks between streets on a grid of 10 pixels, cut by the disc's rim afterwards.
    for (int y = 8; y < 44; y += 10)
        for (int x = 8; x < 44; x += 10)
            fillRect(c, TRect{x, y, x + 7, y + 7}, kBlock);
    line(c, {4, 40}, {14, 32}, kRiver, 5);
    line(c, {14, 32}, {30, 36}, kRiver, 5);
    line(c, {30, 36}, {46, 26}, kRiver, 5);
}

void paintRim(TCanvas& c) {
    // The plan's corners outside the disc go back to the transparent colour first.
    c.Brush()->SetStyle(bsClear);
    c.Pen()->SetColor(kGlyphTransparent);
    c.Pen()->SetWidth(6);
    c.Ellipse(-1, -1, 53, 53);
    c.Pen()->SetColor(kRim);
    c.Pen()->SetWidth(3);
    c.Ellipse(2, 2, 50, 50);
}

void paintPin(TCanvas& c) {
    shape(c, std::vector<TPoint>{{27, 30}, {33, 19}, {21, 19}}, kPin, RGB(120, 10, 10));
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(kPin);
    c.Pen()->SetColor(RGB(120, 10, 10));
    c.Pen()->SetWidth(1);
    c.Ellipse(19, 8, 35, 24);
    c.Brush()->SetColor(clWhite);
    c.Pen()->SetColor(clWhite);
    c.Ellipse(24, 13, 30, 19);
}

} // namespace

void paintAboutPicture(TBitmap& bitmap) {
    bitmap.SetSize(kAboutPictureSize, kAboutPictureSize);
    TCanvas& c = *bitmap.Canvas();
    fillRect(c, TRect{0, 0, kAboutPictureSize, kAboutPictureSize}, kGlyphTransparent);
    paintPlan(c);
    paintRim(c);
    paintPin(c);
}

} // namespace pictures
