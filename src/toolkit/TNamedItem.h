// A collection item with a name: the common part of field and index definitions.
#pragma once

#include "toolkit/AnsiString.h"
#include "toolkit/TCollectionItem.h"

class TNamedItem : public TCollectionItem {
public:
    explicit TNamedItem(TCollection* Collection) : TCollectionItem(Collection) {}

    const AnsiString& Name() const { return name_; }
    void SetName(const AnsiString& Value) { name_ = Value; }

private:
    AnsiString name_;
};
