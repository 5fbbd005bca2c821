// Index definitions.
#include "toolkit/TIndexDef.h"

TIndexDef::TIndexDef(TCollection* Collection) : TNamedItem(Collection) {}

TIndexDef::TIndexDef(TCollection* Collection, const AnsiString& Name, const AnsiString& Fields, TIndexOptions Options)
    : TNamedItem(Collection), fields_(Fields), options_(Options) {
    SetName(Name);
}

void TIndexDef::Assign(const TPersistent& Source) {
    const auto* def = dynamic_cast<const TIndexDef*>(&Source);
    if (!def) {
        TNamedItem::Assign(Source);
        return;
    }
    SetName(def->Name());
    fields_ = def->fields_;
    options_ = def->options_;
}
