// The check box: a caption with a tick the user switches; OnClick fires on every change of
// Checked, by the user or by the program.
#pragma once

#include "toolkit/TWinControl.h"

class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(TComponent* AOwner);

    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& Value);
    bool Checked() const;
    void SetChecked(bool Value);

private:
    AnsiString caption_;
};
