// The collection and its items keep each other informed: an item adds itself in its constructor
// and removes itself in its destructor, so freeing an item directly is as good as Delete.
#include "toolkit/TCollection.h"

#include <algorithm>

#include "toolkit/EListError.h"
#include "toolkit/TCollectionItem.h"

TCollection::TCollection(TCollectionItemClass ItemClass, TPersistent* AOwner)
    : itemClass_(std::move(ItemClass)), owner_(AOwner) {}

TCollection::~TCollection() {
    // No Update for each freed item: the collection is going away.
    ++updateCount_;
    Clear();
}

TCollectionItem* TCollection::Items(int Index) const {
    tk::checkListIndex(Index, Count());
    return items_[static_cast<size_t>(Index)];
}

TCollectionItem* TCollection::Add() {
    TCollectionItem* item = itemClass_(this);
    Changed();
    return item;
}

TCollectionItem* TCollection::Insert(int Index) {
    tk::checkListIndex(Index, Count() + 1);
    BeginUpdate();
    TCollectionItem* item = nullptr;
    try {
        item = itemClass_(this);
        item->SetIndex(Index);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    return item;
}

void TCollection::Delete(int Index) { delete Items(Index); }

void TCollection::Clear() {
    if (items_.empty())
        return;
    BeginUpdate();
    while (!items_.empty())
        delete items_.back();
    EndUpdate();
}

void TCollection::Assign(const TPersistent& Source) {
    const auto* other = dynamic_cast<const TCollection*>(&Source);
    if (other == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    if (other == this)
        return;
    BeginUpdate();
    try {
        Clear();
        for (const TCollectionItem* item : other->items_)
            Add()->Assign(*item);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCollection::BeginUpdate() { ++updateCount_; }

void TCollection::EndUpdate() {
    if (updateCount_ == 0)
        return;
    --updateCount_;
    Changed();
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Changed() {
    if (updateCount_ == 0)
        Update(/*Item=*/nullptr);
}

void TCollection::insertItem(TCollectionItem* item) {
    items_.push_back(item);
    item->collection_ = this;
}

void TCollection::removeItem(TCollectionItem* item) {
    items_.erase(std::find(items_.begin(), items_.end(), item));
    item->collection_ = nullptr;
    Changed();
}

void TCollection::moveItem(TCollectionItem* item, int newIndex) {
    tk::checkListIndex(newIndex, Count());
    items_.erase(std::find(items_.begin(), items_.end(), item));
    items_.insert(items_.begin() + newIndex, item);
    Changed();
}
