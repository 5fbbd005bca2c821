// The map control's blinking objects: on every tick of the blink timer the map is shown afresh
// and the blinking objects are drawn over it, alternately in inverted and in their own colours.
#include "map/TDataMap.h"

#include "map/TKexMapList.h"

namespace {

// Each of red, green and blue turned to 255 minus itself; never a system colour.
uint32_t inverted(uint32_t color) { return ~color & 0xFFFFFF; }

} // namespace

void TDataMap::SetBlinkObjects(std::span<const int> Indices) {
    blinkObjects_.assign(Indices.begin(), Indices.end());
}

void TDataMap::BlinkTimer() {
    const TKexMapList& objects = model_.Objects();
    if (objects.IsEmpty()) {
        blinkObjects_.clear();
        return;
    }
    if (blinkObjects_.empty())
        return;
    RefreshMap();
    Repaint();
    blinkPhase_ = !blinkPhase_;
    renderer_.SetView(viewport());
    renderer_.SetZoomFactor(1.0f);
    if (!cache_.Empty())
        buffer().Assign(cache_);
    TCanvas& canvas = *buffer().Canvas();
    // The handler may empty the list or the map: every pass looks again.
    for (std::size_t k = 0; k < blinkObjects_.size(); ++k) {
        if (objects.IsEmpty())
            return;
        const int i = blinkObjects_[k];
        if (i < 0 || i >= objects.Count())
            continue;
        TKEXMapObjectMem copy = objects[i];
        if (blinkPhase_) {
            copy.Pen.Color = inverted(copy.Pen.Color);
            copy.Brush.Color = inverted(copy.Brush.Color);
            if (OnBlinkObject)
                OnBlinkObject(copy, copy.Pen, copy.Brush);
        }
        renderer_.DrawObject(copy, canvas);
    }
    if (blinkObjects_.empty())
        return;
    Repaint();
}
