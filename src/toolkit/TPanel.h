// The panel: a raised or lowered box with an optional caption that other controls sit on;
// aligned controls fill what its border and bevels leave free.
#pragma once

#include "toolkit/TCustomControl.h"

enum TPanelBevel { bvNone, bvLowered, bvRaised };

class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* AOwner);

    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& Value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    TPanelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel Value);
    TPanelBevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel Value);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int Value);
    // Free space between the outer and the inner bevel.
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int Value);

protected:
    void Paint() override;
    void AdjustClientRect(TRect& Rect) const override;

private:
    void changed();

    AnsiString caption_;
    TAlignment alignment_ = taCenter;
    TPanelBevel bevelOuter_ = bvRaised;
    TPanelBevel bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
};
