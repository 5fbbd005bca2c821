// Qt menus built from menu entries, for the menu bar and for popup menus alike.
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <functional>

#include "toolkit/TMenuItem.h"

namespace tk {

// Called for each action made for an entry without a submenu.
using BindAction = std::function<void(QAction* action, TMenuItem* item)>;

// The visible entries of parent's submenu into menu: separators for "-", submenus for entries
// with entries, checked and radio states, enabled states and short cuts.
void fillMenu(QMenu& menu, const TMenuItem& parent, const BindAction& bind);
// The visible top-level entries as the bar's menus; each submenu is built anew when it opens, so
// it shows the entries' state of that moment.
void fillMenuBar(QMenuBar& bar, const TMenuItem& root, const BindAction& bind);

} // namespace tk
