// Popup menus: the presenter shows the menu; the pick is queued so that the click handler runs
// once the handler that popped the menu up has returned.
#include "toolkit/TPopupMenu.h"

#include "toolkit/Dialogs.h"
#include "toolkit/MessageQueue_p.h"
#include "toolkit/TControl_p.h"

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

void TPopupMenu::SetPopupComponent(TComponent* Value) {
    popupComponent_ = Value;
    if (Value != nullptr)
        Value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
    TMenu::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == popupComponent_)
        popupComponent_ = nullptr;
}

void TPopupMenu::Popup(int X, int Y) {
    popupPoint_ = Point(X, Y);
    if (OnPopup)
        OnPopup(this);
    tk::cancelMode();
    TMenuItem* chosen = tk::dialogPresenter().trackPopup(*this, X, Y);
    if (chosen == nullptr || !chosen->Enabled())
        return;
    tk::postToLoop([chosen, life = chosen->lifeToken()] {
        if (!life.expired())
            chosen->Click();
    });
}
