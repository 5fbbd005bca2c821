// A component that watches a windowed control's messages: its BeforeMessage handler sees each
// message before the control does and may keep it from the control; AfterMessage sees it after.
// Every hook on one control shares that control's TControlHook in the process-wide THookList.
#pragma once

#include <functional>

#include "toolkit/Messages.h"
#include "toolkit/TComponent.h"

class TWinControl;
class TControlHook;

using THookMessageEvent = std::function<void(TPersistent* Sender, TMessage& Msg, bool& Handled)>;

class TExWindowHook : public TComponent {
public:
    explicit TExWindowHook(TComponent* AOwner);
    ~TExWindowHook() override;

    // On hooks the control; off removes this hook from it.
    bool Active() const { return active_; }
    void SetActive(bool Value);
    // A new control is hooked when the hook is active; the control's freeing makes it null.
    TWinControl* WinControl() const { return control_; }
    void SetWinControl(TWinControl* Value);
    // Layouts are code here, so nothing streams the hook; the layout code may still say "this
    // hook is on its own form": true hooks the owner form.
    bool IsForm() const;
    void SetIsForm(bool Value);

    THookMessageEvent BeforeMessage;
    THookMessageEvent AfterMessage;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    virtual void DoBeforeMessage(TMessage& Msg, bool& Handled);
    virtual void DoAfterMessage(TMessage& Msg, bool& Handled);

private:
    friend class TControlHook;
    void hookControl();
    void unhookControl();

    bool active_ = true;
    TWinControl* control_ = nullptr;
    TControlHook* controlHook_ = nullptr;
};
