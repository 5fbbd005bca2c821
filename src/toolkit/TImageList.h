// A list of same-sized small pictures with a mask colour each, drawn by index: the glyphs of
// buttons and rows.
#pragma once

#include <memory>

#include "toolkit/TColor.h"
#include "toolkit/TComponent.h"

class TBitmap;
class TCanvas;

namespace tk {
struct ImageListImpl;
}

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* AOwner);
    ~TImageList() override;

    // 0 until set or until the first picture is added, which then gives its own size.
    int Width() const { return width_; }
    void SetWidth(int value);
    int Height() const { return height_; }
    void SetHeight(int value);
    int Count() const;

    // clNone: the masked pixels are left out when drawing; any other colour paints them.
    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor value) { bkColor_ = value; }

    // Adds the bitmap, cut into Width-wide pictures when it holds several side by side; its pixels
    // of MaskColor are the masked ones. Returns the index of the first picture added, or -1 for an
    // empty bitmap.
    int AddMasked(TBitmap* Image, TColor MaskColor);
    // Draws picture Index with its top-left corner at (X, Y); an index out of range draws nothing.
    void Draw(TCanvas* Canvas, int X, int Y, int Index) const;

private:
    std::unique_ptr<tk::ImageListImpl> impl_;
    int width_ = 0;
    int height_ = 0;
    TColor bkColor_ = clNone;
};
