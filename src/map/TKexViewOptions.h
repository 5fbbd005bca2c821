// The look of an icon view's grid: cell size, margins, gap, frame style and the selection's
// fill. Each change tells the owning view through one change handler, which the notify flag
// holds back while the owner changes several values at once.
#pragma once

#include <functional>

#include "toolkit/TBrush.h"
#include "toolkit/TColor.h"
#include "toolkit/TPersistent.h"

enum TKex3DStyle { kexRaised, kexLowered };

class TKexViewOptions : public TPersistent {
public:
    void SetChangeHandler(std::function<void()> handler) { changeHandler_ = std::move(handler); }
    bool Notify() const { return notify_; }
    void SetNotify(bool value) { notify_ = value; }

    // Pixels between a cell's frame and its icon.
    int SizeBorder() const { return sizeBorder_; }
    void SetSizeBorder(int value) { set(sizeBorder_, value); }
    int YSizeThumbnail() const { return ySizeThumbnail_; }
    void SetYSizeThumbnail(int value) { set(ySizeThumbnail_, value); }
    int XSizeThumbnail() const { return xSizeThumbnail_; }
    void SetXSizeThumbnail(int value) { set(xSizeThumbnail_, value); }
    // Pixels between cells.
    int StepThumbnail() const { return stepThumbnail_; }
    void SetStepThumbnail(int value) { set(stepThumbnail_, value); }
    TColor ColorSelect() const { return colorSelect_; }
    void SetColorSelect(TColor value) { set(colorSelect_, value); }
    TKex3DStyle Grid3DStyle() const { return grid3DStyle_; }
    void SetGrid3DStyle(TKex3DStyle value) { set(grid3DStyle_, value); }
    TBrushStyle StyleBrushSelect() const { return styleBrushSelect_; }
    void SetStyleBrushSelect(TBrushStyle value) { set(styleBrushSelect_, value); }

private:
    template <typename T>
    void set(T& field, T value) {
        if (field == value)
            return;
        field = value;
        if (notify_ && changeHandler_)
            changeHandler_();
    }

    int sizeBorder_ = 5;
    int ySizeThumbnail_ = 30;
    int xSizeThumbnail_ = 30;
    bool notify_ = true;
    int stepThumbnail_ = 1;
    TColor colorSelect_ = clNavy;
    TKex3DStyle grid3DStyle_ = kexRaised;
    TBrushStyle styleBrushSelect_ = bsSolid;
    std::function<void()> changeHandler_;
};
