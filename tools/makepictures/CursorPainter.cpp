// Cursor drawings. An edge-scroll arrow is a large black arrow with a white rim whose tip is the
// hotspot; a hold-to-pan arrow is a shorter arrow leaving a dot in the middle, the hotspot; the
// eight directions are one arrow turned in steps of 45 degrees about the middle.
#include "makepictures/CursorPainter.h"

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace pictures {
namespace {

constexpr TColor kBlack = RGB(0, 0, 0);
constexpr TColor kWhite = RGB(255, 255, 255);

// Turns (as on the screen, clockwise) of the directions, in eighths of a full turn.
enum Turn { East = 0, SouthEast = 1, South = 2, SouthWest = 3, West = 4, NorthWest = 5, North = 6, NorthEast = 7 };

TPoint turned(TPoint p, int eighths) {
    const double a = eighths * std::numbers::pi / 4;
    const double x = p.X - 15.5;
    const double y = p.Y - 15.5;
    return {static_cast<int>(std::lround(15.5 + x * std::cos(a) - y * std::sin(a))),
            static_cast<int>(std::lround(15.5 + x * std::sin(a) + y * std::cos(a)))};
}

std::vector<TPoint> turnedAll(std::initializer_list<TPoint> points, int eighths) {
    std::vector<TPoint> out;
    for (const TPoint p : points)
        out.push_back(turned(p, eighths));
    return out;
}

void shape(TCanvas& c, const std::vector<TPoint>& points) {
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(kBlack);
    c.Pen()->SetColor(kWhite);
    c.Pen()->SetWidth(1);
    c.Polygon(points);
}

// The arrow pointing east; its tip is point 0.
const std::initializer_list<TPoint> kEdgeArrow{{30, 16}, {18, 4}, {18, 11}, {4, 11}, {4, 21}, {18, 21}, {18, 28}};
const std::initializer_list<TPoint> kPanArrow{{30, 16}, {22, 8}, {22, 13}, {19, 13}, {19, 19}, {22, 19}, {22, 24}};

void edgeArrow(TCanvas& c, int eighths) { shape(c, turnedAll(kEdgeArrow, eighths)); }

void panArrow(TCanvas& c, int eighths) {
    shape(c, turnedAll(kPanArrow, eighths));
    c.Ellipse(12, 12, 20, 20);
}

void lens(TCanvas& c) {
    c.Pen()->SetColor(kBlack);
    c.Pen()->SetWidth(4);
    c.Polyline(std::vector<TPoint>{{20, 20}, {29, 29}});
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(kWhite);
    c.Pen()->SetWidth(3);
    c.Ellipse(3, 3, 22, 22);
}

void rotate(TCanvas& c) {
    c.Brush()->SetStyle(bsClear);
    c.Pen()->SetColor(kBlack);
    c.Pen()->SetWidth(3);
    c.Ellipse(6, 6, 26, 26);
    shape(c, {{26, 4}, {29, 16}, {18, 12}});
    c.Ellipse(14, 14, 19, 19);
}

void movePoint(TCanvas& c) {
    c.Pen()->SetColor(kBlack);
    c.Pen()->SetWidth(1);
    c.Polyline(std::vector<TPoint>{{16, 1}, {16, 31}});
    c.Polyline(std::vector<TPoint>{{1, 16}, {31, 16}});
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(kWhite);
    c.Rectangle(12, 12, 21, 21);
}

void eyedropper(TCanvas& c) {
    c.Pen()->SetColor(kBlack);
    c.Pen()->SetWidth(3);
    c.Polyline(std::vector<TPoint>{{2, 29}, {21, 10}});
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(kBlack);
    c.Pen()->SetWidth(1);
    c.Ellipse(18, 3, 29, 14);
    c.Pen()->SetColor(kWhite);
    c.Polyline(std::vector<TPoint>{{15, 12}, {20, 17}});
}

// A cursor is an edge-scroll arrow, a hold-to-pan arrow (both in a direction) or a drawing of
// its own with a fixed hotspot.
struct Cursor {
    const char* name;
    int eighths;              // direction of an arrow
    void (*paint)(TCanvas&);  // a drawing of its own, or null for an arrow
    TPoint hotspot;           // of a drawing of its own
    bool pan = false;
};

const std::array<Cursor, 20> kCursors{{
    {"KEXLEFT", West, nullptr, {}},
    {"KEXUP", North, nullptr, {}},
    {"KEXRight", East, nullptr, {}},
    {"KEXDown", South, nullptr, {}},
    {"KEXLeftUp", NorthWest, nullptr, {}},
    {"KEXRightUp", NorthEast, nullptr, {}},
    {"KEXRightDown", SouthEast, nullptr, {}},
    {"KEXLeftDown", SouthWest, nullptr, {}},
    {"Linza", 0, lens, {12, 12}},
    {"Rotate", 0, rotate, {16, 16}},
    {"MovePixel", 0, movePoint, {16, 16}},
    {"KEXSCRLEFT", West, nullptr, {}, true},
    {"KEXSCRUP", North, nullptr, {}, true},
    {"KEXSCRRIGHT", East, nullptr, {}, true},
    {"KEXSCRDOWN", South, nullptr, {}, true},
    {"KEXSCRLEFTUP", NorthWest, nullptr, {}, true},
    {"KEXSCRRIGHTUP", NorthEast, nullptr, {}, true},
    {"KEXSCRRIGHTDOWN", SouthEast, nullptr, {}, true},
    {"KEXSCRLEFTDOWN", SouthWest, nullptr, {}, true},
    {"EYEDROPPER", 0, eyedropper, {2, 29}},
}};

// An edge-scroll arrow points with its tip, a hold-to-pan arrow from the dot in the middle.
std::array<CursorPicture, 20> pictureTable() {
    std::array<CursorPicture, 20> table{};
    for (size_t i = 0; i < kCursors.size(); ++i) {
        const Cursor& c = kCursors[i];
        TPoint hotspot = c.hotspot;
        if (c.paint == nullptr)
            hotspot = c.pan ? TPoint{16, 16} : turned(*kEdgeArrow.begin(), c.eighths);
        table[i] = {c.name, hotspot};
    }
    return table;
}

const std::array<CursorPicture, 20> kPictures = pictureTable();

} // namespace

std::span<const CursorPicture> mapCursors() { return kPictures; }

void paintCursor(int index, TCanvas& canvas) {
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(kCursorTransparent);
    canvas.FillRect(TRect{0, 0, kCursorSize, kCursorSize});
    const Cursor& cursor = kCursors[static_cast<size_t>(index)];
    if (cursor.paint != nullptr)
        cursor.paint(canvas);
    else if (cursor.pan)
        panArrow(canvas, cursor.eighths);
    else
        edgeArrow(canvas, cursor.eighths);
}

} // namespace pictures
