// Menu entries become QActions; "&" marks the accelerator in both worlds.
#include "toolkit/MenuBuilder_p.h"

#include <QActionGroup>

#include "toolkit/TControl_p.h"

namespace tk {
namespace {

QKeySequence shortCutKeys(TShortCut sc) {
    int key = sc & 0xFF;
    if (sc & scShift)
        key |= Qt::SHIFT;
    if (sc & scCtrl)
        key |= Qt::CTRL;
    if (sc & scAlt)
        key |= Qt::ALT;
    return QKeySequence(key);
}

void setUpAction(QAction& action, QObject& group, const TMenuItem& item) {
    action.setEnabled(item.Enabled());
    action.setCheckable(item.Checked());
    action.setChecked(item.Checked());
    if (item.RadioItem()) {
        // An exclusive group draws the dot of a radio item.
        auto* radio = new QActionGroup(&group);
        radio->setExclusive(true);
        radio->addAction(&action);
    }
    if (item.ShortCut() != 0)
        action.setShortcut(shortCutKeys(item.ShortCut()));
}

} // namespace

void fillMenu(QMenu& menu, const TMenuItem& parent, const BindAction& bind) {
    for (int i = 0; i < parent.Count(); ++i) {
        TMenuItem* item = parent.Items(i);
        if (!item->Visible())
            continue;
        if (item->IsLine()) {
            menu.addSeparator();
            continue;
        }
        if (item->Count() > 0) {
            QMenu* sub = menu.addMenu(qString(item->Caption()));
            sub->setEnabled(item->Enabled());
            fillMenu(*sub, *item, bind);
            continue;
        }
        QAction* action = menu.addAction(qString(item->Caption()));
        setUpAction(*action, menu, *item);
        bind(action, item);
    }
}

void fillMenuBar(QMenuBar& bar, const TMenuItem& root, const BindAction& bind) {
    bar.clear();
    for (int i = 0; i < root.Count(); ++i) {
        TMenuItem* item = root.Items(i);
        if (!item->Visible() || item->IsLine())
            continue;
        if (item->Count() == 0) {
            QAction* action = bar.addAction(qString(item->Caption()));
            setUpAction(*action, bar, *item);
            bind(action, item);
            continue;
        }
        QMenu* menu = bar.addMenu(qString(item->Caption()));
        menu->setEnabled(item->Enabled());
        QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, item, bind] {
            menu->clear();
            fillMenu(*menu, *item, bind);
        });
    }
}

} // namespace tk
