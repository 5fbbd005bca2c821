// The placement link of a component.
#include "widgets/TIniLink.h"

#include "widgets/TFormPlacement.h"

TIniLink::~TIniLink() { SetStorage(nullptr); }

void TIniLink::SetStorage(TFormPlacement* Value) {
    if (Value == storage_)
        return;
    if (storage_ != nullptr)
        storage_->RemoveLink(this);
    storage_ = nullptr;
    if (Value != nullptr)
        Value->AddLink(this);
}

TCustomIniFile* TIniLink::IniStorage() const { return storage_ != nullptr ? storage_->IniFileObject() : nullptr; }

AnsiString TIniLink::RootSection() const {
    if (storage_ == nullptr || storage_->StoredIniSection().empty())
        return {};
    return storage_->StoredIniSection() + "\\";
}

void TIniLink::SaveToIni() {
    if (OnSave)
        OnSave(this);
}

void TIniLink::LoadFromIni() {
    if (OnLoad)
        OnLoad(this);
}
