// A message watcher on one windowed control, through the control's shared TControlHook.
//
//   inactive or without control --Active on with a control--> listening (control hooked)
//   listening --Active off, another control, control freed or hook freed--> not listening; the
//   control hook left without listeners is freed through a posted message
#include "widgets/TExWindowHook.h"

#include "toolkit/TForm.h"
#include "toolkit/WinApi.h"
#include "widgets/TControlHook.h"
#include "widgets/THookList.h"

TExWindowHook::TExWindowHook(TComponent* AOwner) : TComponent(AOwner) {}

TExWindowHook::~TExWindowHook() { SetWinControl(nullptr); }

void TExWindowHook::SetActive(bool Value) {
    if (active_ == Value)
        return;
    active_ = Value;
    if (active_)
        hookControl();
    else
        unhookControl();
}

void TExWindowHook::SetWinControl(TWinControl* Value) {
    if (control_ == Value)
        return;
    unhookControl();
    if (control_ != nullptr)
        control_->RemoveFreeNotification(this);
    control_ = Value;
    if (control_ == nullptr)
        return;
    control_->FreeNotification(this);
    if (active_)
        hookControl();
}

bool TExWindowHook::IsForm() const {
    return control_ != nullptr && static_cast<TComponent*>(control_) == Owner() &&
           dynamic_cast<TForm*>(Owner()) != nullptr;
}

void TExWindowHook::SetIsForm(bool Value) {
    if (Value)
        SetWinControl(dynamic_cast<TForm*>(Owner()));
}

void TExWindowHook::hookControl() {
    if (control_ == nullptr || (ComponentState() & csDesigning))
        return;
    controlHook_ = THookList::Instance().Obtain(control_);
    controlHook_->AddListener(this);
    controlHook_->Install();
}

void TExWindowHook::unhookControl() {
    if (controlHook_ == nullptr)
        return;
    controlHook_->RemoveListener(this);
    if (!controlHook_->HasListeners())
        PostMessage(THookList::Instance().Handle(), CM_RELEASEHOOK, 0, LPARAM(controlHook_));
    controlHook_ = nullptr;
}

void TExWindowHook::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == control_) {
        unhookControl();
        control_ = nullptr;
    }
}

void TExWindowHook::DoBeforeMessage(TMessage& Msg, bool& Handled) {
    if (BeforeMessage)
        BeforeMessage(this, Msg, Handled);
}

void TExWindowHook::DoAfterMessage(TMessage& Msg, bool& Handled) {
    if (AfterMessage)
        AfterMessage(this, Msg, Handled);
}
