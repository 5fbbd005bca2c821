// The about box: the program's name, version and edition, a picture button and two links, to
// the directory's mail address and its web site. The main window makes one for each showing.
#pragma once

#include "toolkit/TForm.h"

class TButton;
class TExLabel;
class TPanel;
class TSpeedButton;

class TfmAbout : public TForm {
public:
    explicit TfmAbout(TComponent* AOwner);

    // The links show they can be clicked while the mouse is over them.
    void ExLabel1MouseEnter(TPersistent* Sender);
    void ExLabel1MouseLeave(TPersistent* Sender);
    void ExLabel1Click();
    void ExLabel2Click();

    TPanel* Panel1 = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
    TExLabel* ExLabel1 = nullptr;
    TExLabel* ExLabel2 = nullptr;
    TButton* Button1 = nullptr;
};
