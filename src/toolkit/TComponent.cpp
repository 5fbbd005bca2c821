// Ownership and notification of components.
//
// Life of a component: created (inserted into its owner, the owner and its components told
// opInsert) -> optionally loading (BeginLoading .. EndLoading / Loaded) -> destroying (partners
// told opRemove, owned components freed last first, removed from the owner, the owner's
// components told opRemove).
#include "toolkit/TComponent.h"

#include <algorithm>
#include <cstdlib>
#include <cxxabi.h>
#include <typeinfo>

#include "toolkit/AnsiStrings.h"
#include "toolkit/EListError.h"

namespace {

bool isIdentifierStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }

bool isIdentifier(const AnsiString& name) {
    if (name.empty() || !isIdentifierStart(name[0]))
        return false;
    return std::all_of(name.begin() + 1, name.end(),
                       [](char c) { return isIdentifierStart(c) || (c >= '0' && c <= '9'); });
}

// Components mostly leave last first (an owner frees its own so, and so do parents their
// children): looked for from the end, the leaving one is found at once.
void eraseOne(std::vector<TComponent*>& list, TComponent* item) {
    const auto it = std::find(list.rbegin(), list.rend(), item);
    if (it != list.rend())
        list.erase(std::next(it).base());
}

} // namespace

TComponent::TComponent(TComponent* AOwner) {
    if (AOwner != nullptr)
        AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
    Destroying();
    while (!freeNotifies_.empty()) {
        TComponent* partner = freeNotifies_.back();
        freeNotifies_.pop_back();
        eraseOne(partner->freeNotifies_, this);
        partner->Notification(this, opRemove);
    }
    DestroyComponents();
    if (owner_ != nullptr)
        owner_->RemoveComponent(this);
}

void TComponent::checkName(const AnsiString& newName) const {
    if (newName.empty())
        return;
    if (!isIdentifier(newName))
        throw EComponentError("'" + newName + "' is not a valid component name");
    if (owner_ == nullptr)
        return;
    const TComponent* other = owner_->FindComponent(newName);
    if (other != nullptr && other != this)
        throw EComponentError("A component named " + newName + " already exists");
}

void TComponent::SetName(const AnsiString& NewName) {
    if (NewName == name_)
        return;
    checkName(NewName);
    name_ = NewName;
}

TComponent* TComponent::Components(int Index) const {
    tk::checkListIndex(Index, ComponentCount());
    return components_[static_cast<size_t>(Index)];
}

int TComponent::ComponentIndex() const {
    if (owner_ == nullptr)
        return -1;
    const auto& siblings = owner_->components_;
    return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

TComponent* TComponent::FindComponent(const AnsiString& AName) const {
    if (AName.empty())
        return nullptr;
    for (TComponent* component : components_) {
        if (AnsiSameText(component->name_, AName))
            return component;
    }
    return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
    if (AComponent->owner_ != nullptr)
        AComponent->owner_->RemoveComponent(AComponent);
    if (!AComponent->name_.empty() && FindComponent(AComponent->name_) != nullptr)
        throw EComponentError("A component named " + AComponent->name_ + " already exists");
    components_.push_back(AComponent);
    if (AComponent->hearsSiblings_)
        listeners_.push_back(AComponent);
    AComponent->owner_ = this;
    SetHearsSiblings(true);
    Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
    if (AComponent->owner_ != this)
        return;
    Notification(AComponent, opRemove);
    eraseOne(components_, AComponent);
    if (AComponent->hearsSiblings_)
        eraseOne(listeners_, AComponent);
    AComponent->owner_ = nullptr;
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* last = components_.back();
        components_.pop_back();
        if (last->hearsSiblings_)
            eraseOne(listeners_, last);
        last->owner_ = nullptr;
        delete last;
    }
}

void TComponent::FreeNotification(TComponent* AComponent) {
    if (AComponent == nullptr || AComponent == this)
        return;
    if (owner_ != nullptr && AComponent->owner_ == owner_)
        return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), AComponent) != freeNotifies_.end())
        return;
    freeNotifies_.push_back(AComponent);
    AComponent->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
    // The links go both ways: a component linked to none is in no list (every component an owner
    // frees is told to all its siblings that listen).
    if (AComponent->freeNotifies_.empty())
        return;
    eraseOne(freeNotifies_, AComponent);
    eraseOne(AComponent->freeNotifies_, this);
}

void TComponent::Destroying() {
    if (state_ & csDestroying)
        return;
    state_ |= csDestroying;
    for (TComponent* component : components_)
        component->Destroying();
}

void TComponent::SetHearsSiblings(bool Value) {
    // What it owns must hear through it.
    if (!Value && !components_.empty())
        return;
    if (Value == hearsSiblings_)
        return;
    hearsSiblings_ = Value;
    if (owner_ == nullptr)
        return;
    if (Value)
        owner_->listeners_.push_back(this);
    else
        eraseOne(owner_->listeners_, this);
}

void TComponent::BeginLoading() { state_ |= csLoading | csReading; }

void TComponent::EndLoading() {
    state_ &= ~static_cast<unsigned>(csReading);
    Loaded();
}

void TComponent::SetDesigning(bool Value) {
    if (Value)
        state_ |= csDesigning;
    else
        state_ &= ~static_cast<unsigned>(csDesigning);
}

void TComponent::Loaded() { state_ &= ~static_cast<unsigned>(csLoading); }

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove && AComponent != nullptr)
        RemoveFreeNotification(AComponent);
    // Walk from the end and re-check the bound: a handler may free components of this owner.
    for (size_t i = listeners_.size(); i > 0; --i) {
        if (i > listeners_.size())
            continue;
        listeners_[i - 1]->Notification(AComponent, Operation);
    }
}

AnsiString TComponent::ClassName() const {
    int status = 0;
    char* name = abi::__cxa_demangle(typeid(*this).name(), nullptr, nullptr, &status);
    AnsiString result = status == 0 && name != nullptr ? AnsiString(name) : AnsiString(typeid(*this).name());
    std::free(name);
    const size_t scope = result.rfind("::");
    return scope == AnsiString::npos ? result : result.substr(scope + 2);
}
