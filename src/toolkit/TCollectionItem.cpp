// Items join and leave their collection themselves.
#include "toolkit/TCollectionItem.h"

#include <algorithm>

TCollectionItem::TCollectionItem(TCollection* Collection) { SetCollection(Collection); }

TCollectionItem::~TCollectionItem() { SetCollection(/*Value=*/nullptr); }

void TCollectionItem::SetCollection(TCollection* Value) {
    if (Value == collection_)
        return;
    if (collection_ != nullptr)
        collection_->removeItem(this);
    if (Value != nullptr)
        Value->insertItem(this);
}

int TCollectionItem::Index() const {
    if (collection_ == nullptr)
        return -1;
    const auto& items = collection_->items_;
    return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int Value) {
    if (collection_ == nullptr || Value == Index())
        return;
    collection_->moveItem(this, Value);
}

void TCollectionItem::Changed(bool AllItems) {
    if (collection_ == nullptr || collection_->UpdateCount() != 0)
        return;
    collection_->Update(AllItems ? nullptr : this);
}
