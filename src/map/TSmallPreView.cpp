// The mini-map control. The map does the rendering, the recentring and the frame (it knows its
// view); the preview only decides when to ask.
//
// Link: free --map's SetSmallView(preview)--> showing a map --SetSmallView(none), another
// preview, either side freed--> free.
#include "map/TSmallPreView.h"

#include "map/FlagGuard.h"
#include "map/TDataMap.h"

TSmallPreView::TSmallPreView(TComponent* AOwner) : TMyImage(AOwner) {}

TSmallPreView::~TSmallPreView() {
    if (map_)
        map_->SetSmallView(nullptr);
}

void TSmallPreView::Notification(TComponent* AComponent, TOperation Operation) {
    TMyImage::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == this && map_)
        map_->SetSmallView(nullptr);
}

void TSmallPreView::RefreshSmallView() {
    if (map_)
        map_->RenderSmallView();
}

void TSmallPreView::Paint() {
    // The map notes the size only when it rendered: a preview painted while its map had nothing
    // to show asks again at its next paint.
    if (!busy_ && (Width() != renderedWidth_ || Height() != renderedHeight_)) {
        mapi::FlagGuard guard(busy_);
        RefreshSmallView();
    }
    TMyImage::Paint();
}

void TSmallPreView::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TMyImage::MouseDown(Button, Shift, X, Y);
    if (!map_ || Button != mbLeft)
        return;
    dragging_ = true;
    map_->CenterFromSmallView(static_cast<float>(X), static_cast<float>(Y));
    map_->DrawSmallViewFrame();
}

void TSmallPreView::MouseMove(TShiftState Shift, int X, int Y) {
    TMyImage::MouseMove(Shift, X, Y);
    if (!dragging_ || !map_)
        return;
    map_->CenterFromSmallView(static_cast<float>(X), static_cast<float>(Y));
    map_->DrawSmallViewFrame();
    Repaint();
}

void TSmallPreView::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TMyImage::MouseUp(Button, Shift, X, Y);
    dragging_ = false;
}
