// The text dialog of the map's text tool: angle, font, size and string of the text in the map's
// edit buffer, each change written to the map at once. It has no cancel.
#pragma once

#include "toolkit/TForm.h"

class TBitBtn;
class TComboBox;
class TDataMap;
class TEdit;
class TKEXSpinEdit;
class TTrackBar;

class TKexTextForm : public TForm {
public:
    explicit TKexTextForm(TComponent* AOwner);

    // Fills the dialog from the map's edit buffer and shows it modally.
    void Execute(TDataMap* Map);

    TTrackBar* Ugol;
    TComboBox* VybFont;
    TKEXSpinEdit* SizeFont;
    TEdit* Edit1;
    TBitBtn* BitBtn1;

private:
    // The shared change handler; the angle is written only when the bar moved.
    void controlChanged(bool angleMoved);

    TDataMap* map_ = nullptr;
    bool loading_ = false;
};
