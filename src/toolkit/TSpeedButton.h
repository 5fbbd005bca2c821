// The speed button: a flat tool button with a glyph and a caption that never takes the focus.
// Buttons of one GroupIndex on the same parent work as a group: pressing one holds it down and
// lets the others up.
#pragma once

#include <memory>

#include "toolkit/TBitmap.h"
#include "toolkit/TGraphicControl.h"

class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* AOwner);
    ~TSpeedButton() override;

    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& Value);
    // The glyph is copied; its bottom-left pixel's colour is transparent.
    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(const TBitmap& Value);
    // 0: an ordinary button that springs back up.
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int Value) { groupIndex_ = Value; }
    bool Down() const { return down_; }
    // Holding a grouped button down lets the others of its group up.
    void SetDown(bool Value);
    // A grouped button that is down goes up again when clicked.
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool Value) { allowAllUp_ = Value; }
    // Flat buttons show their frame only while the mouse is over them.
    bool Flat() const { return flat_; }
    void SetFlat(bool Value);

    void Click() override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;

private:
    AnsiString caption_;
    std::unique_ptr<TBitmap> glyph_ = std::make_unique<TBitmap>();
    int groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;
    bool flat_ = false;
    bool pressed_ = false;
    bool hot_ = false;
};
