// Look-up by name in the definition collections, and their change reports.
#include "toolkit/TDefCollection.h"

#include "toolkit/DatabaseError.h"
#include "toolkit/IndexOfName.h"
#include "toolkit/TDataSet.h"

TDefCollection::TDefCollection(TCollectionItemClass ItemClass, TDataSet* ADataSet, const char* NotFound)
    : TCollection(std::move(ItemClass), ADataSet), dataSet_(ADataSet), notFound_(NotFound) {}

int TDefCollection::IndexOf(const AnsiString& Name) const { return tk::indexOfName(*this, Name); }

void TDefCollection::Update(TCollectionItem*) {
    if (dataSet_ != nullptr && readCount_ == 0)
        dataSet_->DefChanged();
}

TNamedItem* TDefCollection::Find(const AnsiString& Name) const {
    const int i = IndexOf(Name);
    if (i < 0)
        DatabaseErrorFmt(notFound_, {Name}, dataSet_);
    return Items(i);
}
