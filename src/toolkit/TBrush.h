// The canvas brush: how shapes are filled. Its style also decides the background mode: a solid
// brush paints text backgrounds and the gaps of styled lines in its colour, any other leaves them.
#pragma once

#include "toolkit/TColor.h"
#include "toolkit/TPersistent.h"

class TBitmap;

// Ordinals as stored in the map's brush records. Hatches are 8 x 8 pixels aligned to the device
// origin; bsFDiagonal runs like "\", bsBDiagonal like "/".
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TPersistent {
public:
    void Assign(const TPersistent& source) override {
        if (const auto* brush = dynamic_cast<const TBrush*>(&source)) {
            *this = *brush;
            return;
        }
        TPersistent::Assign(source);
    }

    TColor Color() const { return color_; }
    void SetColor(TColor value) { color_ = value; }
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle value) { style_ = value; }

    // A pattern tiled from the device origin in place of the colour; not owned: the caller keeps
    // the bitmap alive while the brush uses it. nullptr goes back to colour and style.
    const TBitmap* Bitmap() const { return bitmap_; }
    void SetBitmap(const TBitmap* value) { bitmap_ = value; }

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
    const TBitmap* bitmap_ = nullptr;
};
