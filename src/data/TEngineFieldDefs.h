// The engine field descriptions of a dataset's open cursor, one per field of a known type.
#pragma once

#include <vector>

#include "data/TEngineFieldDef.h"

class TEngineFieldDefs {
public:
    int Count() const { return int(items_.size()); }
    const TEngineFieldDef& Items(int Index) const { return items_[std::size_t(Index)]; }
    // The definition of the engine's field number, or null.
    const TEngineFieldDef* ByFieldNo(int FieldNo) const;
    // Position of the name (without case), -1 when absent.
    int IndexOf(const AnsiString& Name) const;
    void Add(const TEngineFieldDef& Def) { items_.push_back(Def); }
    void Clear() { items_.clear(); }

private:
    std::vector<TEngineFieldDef> items_;
};
