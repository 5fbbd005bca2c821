// The diagonal spin button: a square split along its diagonal from the bottom-left to the
// top-right corner into an "up" half and a "down" half, each with its glyph, firing its click at
// the press and again while it is held. The spin edit places one at its right edge.
#pragma once

#include <memory>

#include "toolkit/TBitmap.h"
#include "toolkit/TGraphicControl.h"
#include "toolkit/TNotifyEvent.h"

class TTimer;
class TWinControl;

enum TSpinButtonState { sbNone, sbTop, sbBottom };

// Draws the button Width x Height pixels large on Canvas at (0, 0), with the half State pressed;
// the glyphs are copied with their transparent colour.
void DrawSpinButton(TCanvas& Canvas, int Width, int Height, TSpinButtonState State,
                    const TBitmap& UpGlyph, const TBitmap& DownGlyph);

class TKEXSpinButton : public TGraphicControl {
public:
    explicit TKEXSpinButton(TComponent* AOwner);
    ~TKEXSpinButton() override;

    // The glyphs are copies; assigning none brings back the built-in one.
    TBitmap* UpGlyph() const { return upGlyph_.get(); }
    void SetUpGlyph(const TBitmap* Value);
    TBitmap* DownGlyph() const { return downGlyph_.get(); }
    void SetDownGlyph(const TBitmap* Value);
    // The control a press focuses; not owned, and forgotten when it is freed.
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* Value);
    // The half shown pressed.
    TSpinButtonState State() const { return state_; }
    void SetEnabled(bool Value) override;

    TNotifyEvent OnTopClick;
    TNotifyEvent OnBottomClick;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    TSpinButtonState halfAt(int x, int y) const;
    bool isInside(int x, int y) const;
    // Fires the pressed half's click; a click that finds the left button up ends the press.
    void clickPressed();
    void repeatTick();
    void showState(TSpinButtonState state);
    void setGlyph(TBitmap& glyph, const TBitmap* value, const char* builtIn);
    void glyphsChanged();
    TBitmap& cached(TSpinButtonState state);

    TSpinButtonState state_ = sbNone;
    std::unique_ptr<TBitmap> upGlyph_;
    std::unique_ptr<TBitmap> downGlyph_;
    bool dragging_ = false;
    bool glyphsChanged_ = true;
    TBitmap topPressed_;
    TBitmap bottomPressed_;
    TBitmap nonePressed_;
    TTimer* repeatTimer_ = nullptr;
    TSpinButtonState lastPressed_ = sbNone;
    TWinControl* focusControl_ = nullptr;
};
