// The shadowed label: a windowless caption drawn with a one-colour shadow in one of four
// directions, aligned both ways, with a focus frame and an accelerator for its focus control,
// and hot tracking (it tells when the mouse enters and leaves it).
#pragma once

#include <cstdint>

#include "toolkit/TGraphicControl.h"
#include "toolkit/TWinControl.h"

// Where the shadow lies from the text.
enum TShadowPosition { spLeftTop, spLeftBottom, spRightBottom, spRightTop };

class TExCustomLabel : public TGraphicControl {
public:
    explicit TExCustomLabel(TComponent* AOwner);

    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& Value);
    // The control that takes the focus on the caption's accelerator and whose focus the frame
    // shows.
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* Value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool Value);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout Value);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor Value);
    std::uint8_t ShadowSize() const { return shadowSize_; }
    void SetShadowSize(std::uint8_t Value);
    TShadowPosition ShadowPos() const { return shadowPos_; }
    void SetShadowPos(TShadowPosition Value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool Value);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool Value);
    bool ShowFocus() const { return showFocus_; }
    void SetShowFocus(bool Value);
    // Not opaque: the label leaves its background to the colour under it.
    bool Transparent() const { return !(ControlStyle() & csOpaque); }
    void SetTransparent(bool Value);

    void SetEnabled(bool Value) override;
    void SetVisible(bool Value) override;

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    virtual TColor GetDefaultFontColor() const;
    virtual AnsiString GetLabelText() const;
    virtual void MouseEnter();
    virtual void MouseLeave();

    void Paint() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WndProc(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void FontChanged() override;

    // Free space kept left and right of the text.
    int leftMargin_ = 0;
    int rightMargin_ = 0;

private:
    // Draws (or with DT_CALCRECT measures) the caption into Rect; returns the height drawn.
    int doDrawText(TRect& Rect, unsigned Flags);
    void adjustBounds();
    // The text's rectangle: the client area less the margins and one pixel on each side.
    TRect textRect() const;
    void focusChanged(const TMessage& message);
    // The caption's accelerator focuses FocusControl; true when it took the character.
    bool dialogChar(TMessage& message);
    // Whether the mouse is over the label now, and the enter or leave event when that changed.
    void updateTracking();

    AnsiString caption_;
    TWinControl* focusControl_ = nullptr;
    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = true;
    TTextLayout layout_ = tlTop;
    TColor shadowColor_ = clBtnHighlight;
    std::uint8_t shadowSize_ = 1;
    TShadowPosition shadowPos_ = spLeftTop;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
    bool showFocus_ = false;
    bool focused_ = false;
    bool mouseInside_ = false;
    bool leftButtonHeld_ = false;
};
