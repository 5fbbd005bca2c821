// The map control's zoom about a point, its scroll steps and the edge zones that start the
// auto-scroll. A scroll step moves the back buffer and redraws only the strips it uncovered.
#include "map/TDataMap.h"

#include <algorithm>
#include <array>

namespace {

constexpr TCursor kLinzaCursor = 1008;
// The lens never zooms in beyond this scale.
constexpr int kLinzaMaxScale = 10000;
// The strips a step uncovers are redrawn this many pixels wider, so that objects cut at the
// strip's inner edge join the shifted picture without a seam.
constexpr int kStripOverlap = 10;

// The view's move of one direction: -1, 0 or +1 on each axis.
struct StepMove {
    int dx;
    int dy;
};
constexpr std::array<StepMove, 8> kMoves = {{{-1, 0}, {0, -1}, {1, 0}, {0, 1}, {-1, -1}, {1, -1}, {1, 1}, {-1, 1}}};

// An edge zone: inclusive pixel ranges and the cursor (direction 1000..1007) it stands for.
struct Zone {
    int x1, x2, y1, y2, id;
    bool contains(int x, int y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }
};

} // namespace

void TDataMap::ZoomAtPoint(int NewScale, float X, float Y) {
    const int s = std::max(NewScale, 1);
    model_.Header.XWind = X - static_cast<float>((ClientWidth() * 100) / s) / 2;
    model_.Header.YWind = Y - static_cast<float>((ClientHeight() * 100) / s) / 2;
    model_.Header.Scale = s;
    SetScale(s);
}

void TDataMap::LinzaZoomIn(float X, float Y) {
    const int step = options_.mpLinzaDouble() ? Scale() : options_.StepLinza();
    ZoomAtPoint(std::min(Scale() + step, kLinzaMaxScale), X, Y);
}

void TDataMap::LinzaZoomOut(float X, float Y) {
    const int step = options_.mpLinzaDouble() ? Scale() / 2 : options_.StepLinza();
    ZoomAtPoint(std::max(Scale() - step, 1), X, Y);
}

bool TDataMap::CheckScrollZone(int X, int Y) {
    scrollDirection_ = 0;
    if (!options_.mpNoScroll()) {
        const int w = ClientWidth();
        const int h = ClientHeight();
        const int z = options_.ZoneScroll();
        // Each side's middle third scrolls straight; each corner is an L of two strips.
        const std::array<Zone, 12> zones = {{
            {0, z, h / 3, h - h / 3, 1000},
            {w - z, w, h / 3, h - h / 3, 1002},
            {w / 3, w - w / 3, 0, z, 1001},
            {w / 3, w - w / 3, h - z, h, 1003},
            {0, z, 0, h / 3, 1004},
            {0, w / 3, 0, z, 1004},
            {w - z, w, 0, h / 3, 1005},
            {w - w / 3, w, 0, z, 1005},
            {w - z, w, h - h / 3, h, 1006},
            {w - w / 3, w, h - z, h, 1006},
            {0, z, h - h / 3, h, 1007},
            {0, w / 3, h - z, h, 1007},
        }};
        const auto zone =
            std::find_if(zones.begin(), zones.end(), [&](const Zone& candidate) { return candidate.contains(X, Y); });
        if (zone != zones.end()) {
            scrollDirection_ = zone->id;
            SetCursor(static_cast<TCursor>(zone->id));
            return true;
        }
    }
    // The pan's direction cursor stays while the middle button pans.
    if (!mouse_.Panning)
        SetCursor(instrument_ == iLinza ? kLinzaCursor : crDefault);
    return false;
}

void TDataMap::ScrollStep(int Direction, int Step) {
    if (Direction < 0 || Direction >= static_cast<int>(kMoves.size()))
        return;
    const int w = ClientWidth();
    const int h = ClientHeight();
    const double scale = Scale();
    const double d = Step * 100 / scale;
    const double margin = w / 2.0 * 100 / scale;
    const double right = XWind() + w * 100 / scale;
    const double bottom = YWind() + h * 100 / scale;
    const mapi::WorldRect& extent = model_.MapExtent;
    const StepMove move = kMoves[static_cast<std::size_t>(Direction)];
    // A diagonal step needs both of its moves; a refused one moves nothing.
    if ((move.dx < 0 && XWind() - d < extent.x1 - margin) || (move.dy < 0 && YWind() - d < extent.y1 - margin) ||
        (move.dx > 0 && right + d > extent.x2 + margin) || (move.dy > 0 && bottom + d > extent.y2 + margin))
        return;
    model_.Header.XWind = static_cast<float>(XWind() + move.dx * d);
    model_.Header.YWind = static_cast<float>(YWind() + move.dy * d);

    // The picture moves against the view.
    TBitmap shifted;
    shifted.Assign(buffer());
    buffer().Canvas()->Draw(-move.dx * Step, -move.dy * Step, shifted);

    const int s = Step;
    const int o = kStripOverlap;
    const TRect left = Rect(0, 0, s + o, h);
    const TRect top = Rect(0, 0, w, s + o);
    const TRect rightStrip = Rect(w - s - o, 0, w, h);
    const TRect bottomStrip = Rect(0, h - s - o, w, h);
    switch (Direction) {
    case 0:
        RefreshMapRect(left);
        break;
    case 1:
        RefreshMapRect(top);
        break;
    case 2:
        RefreshMapRect(rightStrip);
        break;
    case 3:
        RefreshMapRect(bottomStrip);
        break;
    case 4:
        RefreshMapRect(left);
        RefreshMapRect(Rect(s, 0, w, s + o));
        break;
    case 5:
        RefreshMapRect(Rect(0, 0, w - s, s));
        RefreshMapRect(rightStrip);
        break;
    case 6:
        RefreshMapRect(rightStrip);
        RefreshMapRect(Rect(0, h - s, w - s - o, h));
        break;
    default:
        RefreshMapRect(left);
        RefreshMapRect(Rect(s, h - s - o, w, h));
        break;
    }
}
