// Menu entries and their submenus.
#include "toolkit/TMenuItem.h"

#include <algorithm>

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem() {
    Destroying();
    Clear();
    if (parent_ != nullptr)
        parent_->Remove(this);
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
    const auto it = std::find(items_.begin(), items_.end(), Item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TMenuItem::Add(TMenuItem* Item) { Insert(Count(), Item); }

void TMenuItem::Insert(int Index, TMenuItem* Item) {
    if (Item->parent_ != nullptr)
        Item->parent_->Remove(Item);
    Index = std::clamp(Index, 0, Count());
    items_.insert(items_.begin() + Index, Item);
    Item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* Item) {
    const int index = IndexOf(Item);
    if (index < 0)
        return;
    items_.erase(items_.begin() + index);
    Item->parent_ = nullptr;
}

void TMenuItem::Delete(int Index) { Remove(Items(Index)); }

void TMenuItem::Clear() {
    while (!items_.empty())
        delete items_.back();
}

void TMenuItem::Click() {
    if (OnClick)
        OnClick(this);
}
