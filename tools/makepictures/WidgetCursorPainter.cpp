// The widgets' cursor drawings: black shapes with a white rim on the see-through colour.
#include "makepictures/WidgetCursorPainter.h"

#include <array>
#include <vector>

#include "makepictures/Drawing.h"

namespace pictures {
namespace {

constexpr std::array<CursorPicture, 2> kPictures = {{{"EX_HANDCUR", {9, 1}}, {"EX_DRAGCUR", {1, 1}}}};

void hand(TCanvas& c) {
    // The raised index finger, then the fist below it.
    shape(c, std::vector<TPoint>{{8, 2}, {11, 2}, {11, 12}, {21, 12}, {23, 15}, {23, 23}, {20, 27}, {10, 27}, {5, 20},
                                 {5, 15}, {8, 15}},
          clWhite, clBlack);
    for (int x : {14, 17, 20})
        line(c, {x, 13}, {x, 18}, clBlack, 1);
}

void drag(TCanvas& c) {
    shape(c, std::vector<TPoint>{{1, 1}, {1, 17}, {5, 13}, {8, 20}, {10, 19}, {7, 12}, {12, 12}}, clBlack, clWhite);
    shape(c, std::vector<TPoint>{{13, 17}, {24, 17}, {24, 28}, {13, 28}}, clWhite, clBlack);
    line(c, {15, 21}, {22, 21}, clBlack, 1);
    line(c, {15, 24}, {22, 24}, clBlack, 1);
}

} // namespace

std::span<const CursorPicture> widgetCursors() { return kPictures; }

void paintWidgetCursor(int index, TCanvas& canvas) {
    fillRect(canvas, TRect{0, 0, kCursorSize, kCursorSize}, kCursorTransparent);
    index == 0 ? hand(canvas) : drag(canvas);
}

} // namespace pictures
