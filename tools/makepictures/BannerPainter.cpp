// Each banner is a framed field with a small emblem at the left and two or three lines of text.
#include "makepictures/BannerPainter.h"

#include <cassert>
#include <vector>

#include "makepictures/Drawing.h"

namespace pictures {
namespace {

constexpr int kTextLeft = 62;

void frame(TCanvas& c, TColor top, TColor bottom, TColor border) {
    verticalGradient(c, TRect{0, 0, kBannerWidth, kBannerHeight}, top, bottom);
    c.Brush()->SetStyle(bsClear);
    c.Pen()->SetColor(border);
    c.Pen()->SetWidth(1);
    c.Rectangle(0, 0, kBannerWidth, kBannerHeight);
}

// Three fanned sheets with a printed line on the top one.
void paintPrinter(TCanvas& c) {
    frame(c, RGB(18, 96, 104), RGB(8, 52, 60), RGB(4, 30, 34));
    const TColor edge = RGB(40, 40, 40);
    shape(c, std::vector<TPoint>{{12, 14}, {38, 8}, {46, 44}, {20, 50}}, RGB(200, 210, 214), edge);
    shape(c, std::vector<TPoint>{{10, 12}, {40, 12}, {40, 50}, {10, 50}}, RGB(230, 236, 238), edge);
    shape(c, std::vector<TPoint>{{8, 10}, {36, 16}, {30, 54}, {2, 48}}, clWhite, edge);
    for (int i = 0; i < 4; ++i)
        line(c, {9, 20 + 7 * i}, {30, 24 + 7 * i}, i == 0 ? RGB(200, 30, 40) : RGB(90, 90, 90), 2);
    text(c, kTextLeft, 6, "Типография «Оттиск»", 15, /*bold=*/true, RGB(255, 220, 90), RGB(0, 20, 24));
    text(c, kTextLeft, 27, "визитки · буклеты · карты города", 11, /*bold=*/false, clWhite);
    text(c, kTextLeft, 42, "ул. Садовая, 12   тел. 24-15-80", 11, /*bold=*/false, RGB(190, 230, 232));
}

// A blue disc with a question mark drawn in strokes.
void paintHelp(TCanvas& c) {
    frame(c, RGB(255, 250, 220), RGB(244, 226, 160), RGB(160, 130, 40));
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(RGB(30, 90, 200));
    c.Pen()->SetColor(RGB(10, 50, 130));
    c.Pen()->SetWidth(1);
    c.Ellipse(8, 8, 52, 52);
    const std::vector<TPoint> hook = {{22, 22}, {24, 17}, {30, 15}, {36, 17}, {38, 22}, {36, 27}, {30, 30}, {30, 36}};
    c.Pen()->SetColor(clWhite);
    c.Pen()->SetWidth(4);
    c.Polyline(hook);
    fillRect(c, TRect{28, 40, 33, 45}, clWhite);
    text(c, kTextLeft, 6, "Как найти фирму?", 17, /*bold=*/true, RGB(20, 60, 150));
    text(c, kTextLeft, 28, "Справочная система ВалдренИнфо", 11, /*bold=*/false, RGB(60, 50, 20));
    text(c, kTextLeft, 42, "щёлкните здесь или нажмите F1", 11, /*bold=*/false, RGB(60, 50, 20));
}

// A loudspeaker of two shapes and three sound arcs.
void paintOffer(TCanvas& c) {
    frame(c, RGB(250, 140, 40), RGB(200, 70, 20), RGB(120, 40, 10));
    shape(c, std::vector<TPoint>{{10, 24}, {18, 24}, {34, 12}, {34, 48}, {18, 36}, {10, 36}}, clWhite, RGB(90, 30, 0));
    for (int r = 0; r < 3; ++r) {
        const int x = 40 + 5 * r;
        line(c, {x, 22 - 3 * r}, {x + 3, 30}, clWhite, 2);
        line(c, {x + 3, 30}, {x, 38 + 3 * r}, clWhite, 2);
    }
    text(c, kTextLeft, 6, "Здесь может быть", 16, /*bold=*/true, clWhite, RGB(110, 30, 0));
    text(c, kTextLeft, 24, "ваша реклама", 16, /*bold=*/true, RGB(255, 240, 120), RGB(110, 30, 0));
    text(c, kTextLeft, 44, "Рекламный отдел: тел. 24-00-00", 10, /*bold=*/false, clWhite);
}

} // namespace

void paintBanner(int number, TBitmap& bitmap) {
    assert(number >= 1 && number <= kBannerCount && "banners are numbered 1 to 3");
    bitmap.SetSize(kBannerWidth, kBannerHeight);
    TCanvas& c = *bitmap.Canvas();
    switch (number) {
    case 1:
        paintPrinter(c);
        break;
    case 2:
        paintHelp(c);
        break;
    default:
        paintOffer(c);
        break;
    }
}

} // namespace pictures
