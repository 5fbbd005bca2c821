// The group box: an etched frame with a caption in its top edge around a group of controls;
// aligned controls fill the inside of the frame.
#pragma once

#include "toolkit/TCustomControl.h"

class TGroupBox : public TCustomControl {
public:
    explicit TGroupBox(TComponent* AOwner);

    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& Value);

protected:
    void Paint() override;
    void AdjustClientRect(TRect& Rect) const override;

private:
    int captionHeight() const;

    AnsiString caption_;
};
