// The root entry is owned by the menu and freed with it.
#include "toolkit/TMenu.h"

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), items_(new TMenuItem(this)) {}
