// The canvas pen: colour, width, dash style and raster mode of every outline and line. A pen is
// cosmetic (styles only at width 1, round ends when wider) unless made geometric, as the map's
// polylines are (chosen end caps, dashes that scale with the width).
#pragma once

#include "toolkit/TColor.h"
#include "toolkit/TPersistent.h"

// Ordinals as stored in the map's pen records.
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// The sixteen binary raster operations, in the platform's order (pmBlack is R2_BLACK - 1).
enum TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};

enum TPenEndCap { pecRound, pecSquare, pecFlat };

class TPen : public TPersistent {
public:
    void Assign(const TPersistent& source) override {
        if (const auto* pen = dynamic_cast<const TPen*>(&source)) {
            *this = *pen;
            return;
        }
        TPersistent::Assign(source);
    }

    TColor Color() const { return color_; }
    void SetColor(TColor value) { color_ = value; geometric_ = false; }
    // 0 or less draws one pixel wide.
    int Width() const { return width_; }
    void SetWidth(int value) { width_ = value; geometric_ = false; }
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle value) { style_ = value; geometric_ = false; }
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode value) { mode_ = value; }

    // The extended pen of the map's polylines: a solid brush of the colour, round joins, the given
    // end caps, dashes in units of the width. Setting Color, Width or Style makes it cosmetic again.
    void SetGeometric(TPenStyle style, int width, TPenEndCap endCap, TColor color) {
        style_ = style;
        width_ = width;
        color_ = color;
        endCap_ = endCap;
        geometric_ = true;
    }
    bool Geometric() const { return geometric_; }
    TPenEndCap EndCap() const { return endCap_; }

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
    bool geometric_ = false;
    TPenEndCap endCap_ = pecRound;
};
