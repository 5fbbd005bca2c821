// The map control's two modal loops, run inside the press that starts them: the edge auto-scroll
// (left or right button pressed in an edge zone) and the middle-button hold-to-pan. Each pass
// steps the view, then pauses, pumping messages so that moves steer it and the release ends it.
//
// Auto-scroll:  idle --press, scroll direction set--> running (OnBeforeScroll)
//               running --pass: a step when the mouse is in a zone; pause--> running
//               running --release (MouseUp clears the flag) | button up | capture lost |
//                         control hidden or freed | application ends--> idle
//                         (OnAfterScroll when a step was made)
//               running --press handled inside the pause--> running (the press is consumed)
// Hold-to-pan:  idle --middle press--> panning (OnBeforeScroll)
//               panning --pass: a step toward the mouse, OnAfterScroll; pause--> panning
//               panning --release | button up | capture lost | hidden or freed | quit--> idle
#include "map/TDataMap.h"

#include <algorithm>
#include <cmath>

#include "map/Rounding.h"
#include "toolkit/Clock.h"
#include "toolkit/TApplication.h"
#include "toolkit/WinApi.h"

namespace {

constexpr int kFirstZoneCursor = 1000;
constexpr int kLastZoneCursor = 1007;
constexpr TCursor kLinzaCursor = 1008;
// Hold-to-pan cursors by scroll direction 0..7 (left, up, right, down, left-up, right-up,
// right-down, left-down).
constexpr TCursor kPanCursors[8] = {1011, 1012, 1013, 1014, 1015, 1016, 1017, 1018};

int buttonKey(TMouseButton button) {
    switch (button) {
    case mbRight:
        return VK_RBUTTON;
    case mbMiddle:
        return VK_MBUTTON;
    default:
        return VK_LBUTTON;
    }
}

// The pan's step from the anchor A toward the mouse M: a direction 0..7 and its length in pixels,
// or a direction of -1 when the mouse is on the anchor.
struct PanStep {
    int direction = -1;
    int distance = 0;
};

PanStep panStep(TPoint a, TPoint m) {
    const int dx = m.X - a.X;
    const int dy = m.Y - a.Y;
    if (dx != 0 && dy != 0) {
        const int diagonal = mapi::roundToInt(std::sqrt(double(dx) * dx + double(dy) * dy));
        if (dx > 0)
            return {dy < 0 ? 5 : 6, diagonal};
        return {dy < 0 ? 4 : 7, diagonal};
    }
    if (dx == 0) {
        if (dy == 0)
            return {};
        return {dy < 0 ? 1 : 3, std::abs(dy)};
    }
    return {dx < 0 ? 0 : 2, std::abs(dx)};
}

} // namespace

// The loop goes on only while the press that started it still holds: the button is down, the
// map has the mouse, and the map is shown in a running program. A release that never reached the
// map (taken by another window or a message hook) thus still ends it.
bool TDataMap::isLoopHeld(const tk::LoopGuard& guard, TMouseButton button) const {
    return guard.keepsRunning() && GetCaptureControl() == this &&
           GetKeyState(buttonKey(button)) < 0;
}

// Pumps messages for DelayScroll milliseconds of the monotonic clock, or until the loop's flag is
// cleared or its press no longer holds; false when the loop must end. The map may be freed by a
// handler run here, so nothing of it is touched once the guard says it is gone.
bool TDataMap::pauseLoop(const tk::LoopGuard& guard, TMouseButton button, const bool& running) {
    const std::uint64_t start = tk::clockMs();
    for (;;) {
        // Pump at least once a pass: on a busy machine the pause can be over before it is first
        // checked, and the loop must still see the moves and the release.
        Application->ProcessMessages();
        if (guard.controlGone())
            return false;
        // The moves handled meanwhile steer the auto-scroll; out of every zone it makes no step.
        CheckScrollZone(mouse_.Mouse.X, mouse_.Mouse.Y);
        if (!isLoopHeld(guard, button) || !running)
            return false;
        if (tk::clockMs() - start >=
            static_cast<std::uint64_t>(std::max(options_.DelayScroll(), 0)))
            return true;
    }
}

bool TDataMap::AutoScroll() {
    if (mouse_.AutoScrollBusy)
        return true;
    if (scrollDirection_ == 0)
        return false;
    const TMouseButton button = mouse_.LeftButtonLast ? mbLeft : mbRight;
    tk::LoopGuard guard(*this);
    mouse_.AutoScrollBusy = true;
    mouse_.AutoScrolling = true;
    bool scrolled = false;
    DoBeforeScroll();
    while (isLoopHeld(guard, button) && mouse_.AutoScrolling) {
        if (scrollDirection_ >= kFirstZoneCursor && scrollDirection_ <= kLastZoneCursor) {
            ScrollStep(scrollDirection_ - kFirstZoneCursor, options_.StepScroll());
            scrolled = true;
            changed_ = true;
        }
        Repaint();
        DrawSmallViewFrame();
        if (!pauseLoop(guard, button, mouse_.AutoScrolling))
            break;
    }
    if (guard.controlGone())
        return true;
    mouse_.AutoScrolling = false;
    if (scrolled)
        DoAfterScroll();
    mouse_.AutoScrollBusy = false;
    return scrolled;
}

void TDataMap::HoldPan() {
    tk::LoopGuard guard(*this);
    // Told on entering as the edge auto-scroll tells it, though the pan needs it for nothing of
    // its own: a host (the main window) keeps its tool here and puts it back in OnAfterScroll,
    // which every pass fires. Without it the first pass would restore a tool never kept.
    DoBeforeScroll();
    while (isLoopHeld(guard, mbMiddle) && mouse_.Panning) {
        const PanStep step = panStep(mouse_.PanAnchor, mouse_.Mouse);
        if (step.direction >= 0) {
            SetCursor(kPanCursors[step.direction]);
            ScrollStep(step.direction, step.distance);
        }
        changed_ = true;
        Repaint();
        DoAfterScroll();
        if (guard.controlGone())
            return;
        DrawSmallViewFrame();
        if (!pauseLoop(guard, mbMiddle, mouse_.Panning))
            break;
    }
    if (guard.controlGone())
        return;
    if (!mouse_.Panning)
        return;
    // The release never came: the pan ends as a release would end it.
    mouse_.Panning = false;
    mouse_.MouseDown = false;
    SetCursor(instrument_ == iLinza ? kLinzaCursor : crDefault);
    Repaint();
}
