// The settings dialog: the mouse wheel's direction and the map's background colour. At creation
// it reads both from the settings file and gives the map its colour; showing, confirming and
// writing belong to the main window's settings action.
#pragma once

#include "toolkit/TForm.h"

class TButton;
class TCheckBox;
class TColorDialog;
class TLabel;
class TShape;

class TfmParams : public TForm {
public:
    explicit TfmParams(TComponent* AOwner);
    ~TfmParams() override;

    // The label under the check box says what the wheel does.
    void CheckBox1Click();
    // Asks for the background colour, starting at the one shown.
    void Shape1MouseDown();

    TCheckBox* CheckBox1 = nullptr;
    TLabel* lScrollVal = nullptr;
    TShape* Shape1 = nullptr;
    TButton* BitBtn1 = nullptr;
    TButton* BitBtn2 = nullptr;
    TColorDialog* ColorDialog1 = nullptr;

private:
    void FormCreate();
};

extern TfmParams* fmParams;
