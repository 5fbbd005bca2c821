// Look-ups in the engine field descriptions.
#include "data/TEngineFieldDefs.h"

#include "toolkit/AnsiStrings.h"

const TEngineFieldDef* TEngineFieldDefs::ByFieldNo(int FieldNo) const {
    // Fields of unknown type are skipped, so numbers and positions may differ.
    const std::size_t guess = std::size_t(FieldNo - 1);
    if (FieldNo >= 1 && guess < items_.size() && items_[guess].FieldNo == FieldNo)
        return &items_[guess];
    for (const TEngineFieldDef& def : items_)
        if (def.FieldNo == FieldNo)
            return &def;
    return nullptr;
}

int TEngineFieldDefs::IndexOf(const AnsiString& Name) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (AnsiSameText(items_[i].Name, Name))
            return int(i);
    return -1;
}
