// Index definitions.
#include "toolkit/TIndexDef.h"

TIndexDef::TIndexDef(TCollection* Collection) : TCollectionItem(Collection) {}

TIndexDef::TIndexDef(TCollection* Collection, const AnsiString& Name, const AnsiString& Fields, TIndexOptions Options)
    : TCollectionItem(Collection), name_(Name), fields_(Fields), options_(Options) {}

void TIndexDef::Assign(const TPersistent& Source) {
    const auto* def = dynamic_cast<const TIndexDef*>(&Source);
    if (!def) {
        TCollectionItem::Assign(Source);
        return;
    }
    name_ = def->name_;
    fields_ = def->fields_;
    options_ = def->options_;
}
