// The main menu of a form: its top-level entries form the form's menu bar (TForm::SetMenu); a
// chosen entry's click handler runs when it is chosen.
#pragma once

#include "toolkit/TMenu.h"

class TMainMenu : public TMenu {
public:
    using TMenu::TMenu;
};
