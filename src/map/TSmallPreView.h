// The mini-map: the whole map reduced to the control's size with a frame round the part the map
// shows; pressing or dragging the left button in it moves the map there.
#pragma once

#include "map/TMyImage.h"

class TDataMap;

class TSmallPreView : public TMyImage {
public:
    explicit TSmallPreView(TComponent* AOwner);
    // Leaves the map it shows, so that the map never points to a freed preview.
    ~TSmallPreView() override;

    // The map this preview shows, or null; linked only through the map's SmallView.
    TDataMap* Map() const { return map_; }
    // Has the map render itself into the preview; nothing without a map.
    void RefreshSmallView();

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // Renders anew only when the size changed since the last rendering; otherwise only copies
    // the picture.
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    friend class TDataMap; // the SmallView setter keeps both sides of the link

    // The size of the last rendering, noted by the map when it rendered.
    int renderedWidth_ = 0;
    int renderedHeight_ = 0;
    bool busy_ = false;     // a rendering started from Paint runs (it repaints the preview)
    bool dragging_ = false; // the left button went down here and has not come up
    TDataMap* map_ = nullptr;
};
