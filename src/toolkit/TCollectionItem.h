// One item of a TCollection: it joins the collection when created and leaves it when freed.
#pragma once

#include "toolkit/TCollection.h"
#include "toolkit/TPersistent.h"

class TCollectionItem : public TPersistent {
public:
    // Collection may be null: the item then stands alone until SetCollection.
    explicit TCollectionItem(TCollection* Collection);
    ~TCollectionItem() override;
    TCollectionItem(const TCollectionItem&) = delete;
    TCollectionItem& operator=(const TCollectionItem&) = delete;

    TCollection* Collection() const { return collection_; }
    // Leaves the old collection (without freeing) and joins the new one at its end.
    void SetCollection(TCollection* Value);
    // Position in the collection, -1 when alone.
    int Index() const;
    // Moves the item inside its collection; raises EListError for an index outside it.
    void SetIndex(int Value);

protected:
    // Tells the collection that this item (AllItems False) or the whole collection changed.
    void Changed(bool AllItems);

private:
    friend class TCollection;
    TCollection* collection_ = nullptr;
};
