// A holder of one graphic of any kind (bitmap, JPEG image), as the picture controls and the
// map's back buffer keep theirs.
#pragma once

#include <memory>

#include "toolkit/TBitmap.h"
#include "toolkit/TGraphic.h"

class TPicture : public TPersistent {
public:
    // The graphic held, or nullptr.
    TGraphic* Graphic() const { return graphic_.get(); }
    // Holds a copy of graphic; nullptr empties the picture.
    void SetGraphic(const TGraphic* graphic);
    // The graphic as a bitmap; a picture holding another kind (or nothing) gets a new empty
    // bitmap in its place.
    TBitmap* Bitmap();

    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }
    bool Empty() const { return !graphic_ || graphic_->Empty(); }

    // From another picture or from a graphic.
    void Assign(const TPersistent& source) override;

private:
    std::unique_ptr<TGraphic> graphic_;
};
