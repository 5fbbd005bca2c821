// A list of items of one kind that the collection owns: it creates them through its item class,
// frees them, and hears of their changes through Update.
#pragma once

#include <functional>
#include <vector>

#include "toolkit/TPersistent.h"

class TCollectionItem;
class TCollection;

// Makes a new item inside the given collection (the item's constructor joins it).
using TCollectionItemClass = std::function<TCollectionItem*(TCollection*)>;

namespace tk {

// The item class of a descendant of TCollectionItem whose constructor takes the collection.
template <class Item>
TCollectionItemClass itemClass() {
    return [](TCollection* collection) { return new Item(collection); };
}

} // namespace tk

class TCollection : public TPersistent {
public:
    // AOwner is the object the collection belongs to (may be null); the collection does not free it.
    explicit TCollection(TCollectionItemClass ItemClass, TPersistent* AOwner = nullptr);
    ~TCollection() override;
    TCollection(const TCollection&) = delete;
    TCollection& operator=(const TCollection&) = delete;

    TPersistent* Owner() const { return owner_; }
    int Count() const { return static_cast<int>(items_.size()); }
    // Raises EListError for an index outside the collection.
    TCollectionItem* Items(int Index) const;

    TCollectionItem* Add();
    TCollectionItem* Insert(int Index);
    void Delete(int Index);
    void Clear();

    // Copies another collection item by item (Add, then the item's Assign).
    void Assign(const TPersistent& Source) override;

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

protected:
    // Told after a change: Item is the changed item, or null when the whole collection changed.
    virtual void Update(TCollectionItem* Item);
    void Changed();

private:
    friend class TCollectionItem;
    void insertItem(TCollectionItem* item);
    void removeItem(TCollectionItem* item);
    void moveItem(TCollectionItem* item, int newIndex);

    TCollectionItemClass itemClass_;
    TPersistent* owner_;
    std::vector<TCollectionItem*> items_;
    int updateCount_ = 0;
};
