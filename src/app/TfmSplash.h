// The splash window shown while the program comes up: the city picture, a progress bar stepped
// by the start-up, and then "Далее >>" with the contact line, until the user dismisses it.
#pragma once

#include "toolkit/TForm.h"

class TButton;
class TExLabel;
class TImage;
class TLabel;
class TPanel;
class TProgressBar;

class TfmSplash : public TForm {
public:
    explicit TfmSplash(TComponent* AOwner);
    ~TfmSplash() override;

    void Button1Click();

    TLabel* Label3 = nullptr;
    TLabel* Label1 = nullptr;
    TImage* Image1 = nullptr;
    TLabel* Label4 = nullptr;
    TProgressBar* ProgressBar1 = nullptr;
    TButton* Button1 = nullptr;
    TPanel* Panel4 = nullptr;
    TExLabel* ExLabel1 = nullptr;
    TExLabel* ExLabel2 = nullptr;

protected:
    // The form paints its whole client area, so nothing erases it first.
    void CreateWnd() override;

private:
    void FormCreate();
    void LoadPicture();
};

extern TfmSplash* fmSplash;
