// The popup menu: a tree of items shown at a screen point; the chosen item's click handler runs
// after the menu has closed and Popup has returned, as the platform queues the menu command.
#pragma once

#include "toolkit/TMenu.h"
#include "toolkit/TPoint.h"

class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TComponent* AOwner);
    // Right-clicking a control that has this menu pops it up by itself.
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool Value) { autoPopup_ = Value; }
    // The control the menu was last popped up for.
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* Value);
    TPoint PopupPoint() const { return popupPoint_; }

    // Fires OnPopup, shows the menu at the screen point (X, Y) and returns when it closes.
    virtual void Popup(int X, int Y);

    TNotifyEvent OnPopup;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool autoPopup_ = true;
    TComponent* popupComponent_ = nullptr;
    TPoint popupPoint_;
};
