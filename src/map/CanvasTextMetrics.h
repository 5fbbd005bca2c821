// Text extents for object frames, measured on a canvas in the face the renderer draws the text
// with (the options' FontSystem or FontSystem1), at height Size, upright and of normal weight.
#pragma once

#include "map/TextMetrics.h"
#include "map/tKexMapOptions.h"
#include "toolkit/TCanvas.h"

namespace mapi {

class CanvasTextMetrics : public TextMetrics {
public:
    CanvasTextMetrics(TCanvas& canvas, const tKexMapOptions& options) : canvas_(canvas), options_(options) {}

    TSize TextExtent(const TKEXMapText& text) const override;

private:
    TCanvas& canvas_;
    const tKexMapOptions& options_;
};

} // namespace mapi
