// The view is drawn back to front: sky, hills, the town's roofs and towers, the embankment, the
// river with the town's reflection, then the name. Window lights follow a fixed pattern, so the
// picture is the same at every run.
#include "makepictures/SplashPainter.h"

#include <vector>

#include "makepictures/Drawing.h"

namespace pictures {
namespace {

constexpr int kRiverTop = 160;

struct Building {
    int left;
    int width;
    int height;
    TColor wall;
};

// Left to right along the embankment; the heights are above the river's edge.
const Building kBuildings[] = {
    {0, 34, 38, RGB(120, 96, 88)},     {32, 28, 52, RGB(150, 120, 100)},  {58, 40, 30, RGB(170, 140, 112)},
    {96, 24, 60, RGB(132, 110, 104)},  {118, 36, 44, RGB(160, 128, 96)},  {152, 36, 50, RGB(172, 140, 110)},
    {186, 30, 40, RGB(142, 116, 100)}, {214, 42, 56, RGB(164, 136, 118)}, {254, 26, 36, RGB(130, 104, 92)},
    {278, 38, 66, RGB(150, 124, 108)}, {354, 28, 44, RGB(138, 112, 98)},  {380, 33, 34, RGB(160, 130, 104)},
};

void paintSky(TCanvas& c) {
    verticalGradient(c, TRect{0, 0, kSplashWidth, 110}, RGB(58, 92, 160), RGB(246, 196, 132));
    verticalGradient(c, TRect{0, 110, kSplashWidth, kRiverTop}, RGB(246, 196, 132), RGB(250, 222, 170));
    c.Brush()->SetColor(RGB(255, 236, 170));
    c.Pen()->SetColor(RGB(255, 244, 200));
    c.Ellipse(226, 84, 262, 120);
}

void paintHills(TCanvas& c) {
    const std::vector<TPoint> far = {{0, 118}, {60, 100}, {130, 112}, {210, 94}, {290, 108}, {360, 98},
                                     {kSplashWidth, 106}, {kSplashWidth, kRiverTop}, {0, kRiverTop}};
    shape(c, far, RGB(132, 146, 150), RGB(132, 146, 150));
    const std::vector<TPoint> near = {{0, 132}, {90, 122}, {170, 130}, {250, 118}, {340, 128},
                                      {kSplashWidth, 124}, {kSplashWidth, kRiverTop}, {0, kRiverTop}};
    shape(c, near, RGB(86, 112, 92), RGB(86, 112, 92));
}

void paintWindows(TCanvas& c, const Building& b, int top) {
    int n = b.left;
    for (int y = top + 6; y + 5 < kRiverTop - 4; y += 9) {
        for (int x = b.left + 4; x + 4 < b.left + b.width - 2; x += 8) {
            n = (n * 37 + 11) % 101;
            const TColor light = n % 3 == 0 ? RGB(255, 226, 120) : RGB(92, 74, 70);
            fillRect(c, TRect{x, y, x + 4, y + 5}, light);
        }
    }
}

void paintTown(TCanvas& c) {
    for (const Building& b : kBuildings) {
        const int top = kRiverTop - b.height;
        fillRect(c, TRect{b.left, top, b.left + b.width, kRiverTop}, b.wall);
        const std::vector<TPoint> roof = {{b.left - 2, top}, {b.left + b.width / 2, top - 10}, {b.left + b.width + 2, top}};
        shape(c, roof, RGB(150, 62, 48), RGB(110, 44, 36));
        paintWindows(c, b, top);
    }
    // The cathedral on the embankment, clear of the name: a nave, a bell tower and a golden dome.
    fillRect(c, TRect{316, 104, 356, kRiverTop}, RGB(236, 228, 210));
    fillRect(c, TRect{328, 80, 344, 104}, RGB(240, 234, 220));
    c.Brush()->SetColor(RGB(226, 176, 52));
    c.Pen()->SetColor(RGB(170, 120, 30));
    c.Ellipse(324, 64, 348, 88);
    line(c, {336, 50}, {336, 66}, RGB(170, 120, 30), 2);
    line(c, {331, 55}, {341, 55}, RGB(170, 120, 30), 2);
    for (int x = 321; x < 352; x += 10)
        fillRect(c, TRect{x, 116, x + 5, 130}, RGB(96, 110, 140));
}

void paintRiver(TCanvas& c) {
    fillRect(c, TRect{0, kRiverTop, kSplashWidth, kRiverTop + 4}, RGB(96, 90, 84));
    verticalGradient(c, TRect{0, kRiverTop + 4, kSplashWidth, kSplashHeight}, RGB(64, 98, 150), RGB(30, 52, 96));
    // Broken reflections of the lit windows and the sun.
    for (int y = kRiverTop + 8; y < kSplashHeight; y += 5) {
        for (int x = (y * 7) % 23; x < kSplashWidth; x += 23 + (x % 11)) {
            const TColor glint = x > 220 && x < 268 ? RGB(250, 214, 150) : RGB(112, 140, 184);
            fillRect(c, TRect{x, y, x + 6 + (x % 5), y + 1}, glint);
        }
    }
}

void paintName(TCanvas& c) {
    const TColor shadow = RGB(24, 36, 72);
    text(c, 14, 10, "ВалдренИнфо", 40, /*bold=*/true, clWhite, shadow);
    text(c, 18, 58, "Схема города и справочник предприятий", 13, /*bold=*/false, RGB(255, 250, 236), shadow);
}

} // namespace

void paintSplash(TBitmap& bitmap) {
    bitmap.SetSize(kSplashWidth, kSplashHeight);
    TCanvas& c = *bitmap.Canvas();
    paintSky(c);
    paintHills(c);
    paintTown(c);
    paintRiver(c);
    paintName(c);
}

} // namespace pictures
