// The base of the main menu and the popup menu: a component holding the root entry whose
// submenu is the menu.
#pragma once

#include "toolkit/TMenuItem.h"

class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* AOwner);

    TMenuItem* Items() const { return items_; }

private:
    TMenuItem* items_;
};
