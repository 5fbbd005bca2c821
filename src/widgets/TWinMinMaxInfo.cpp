// The placement's min/max record, read and written by property index.
#include "widgets/TWinMinMaxInfo.h"

#include <utility>

#include "widgets/TFormPlacement.h"

namespace {

// The record's member behind each property index: the point, then its coordinate.
constexpr std::pair<TPoint MINMAXINFO::*, int TPoint::*> members[] = {
    {&MINMAXINFO::ptMaxPosition, &TPoint::X},  {&MINMAXINFO::ptMaxPosition, &TPoint::Y},
    {&MINMAXINFO::ptMaxSize, &TPoint::Y},      {&MINMAXINFO::ptMaxSize, &TPoint::X},
    {&MINMAXINFO::ptMaxTrackSize, &TPoint::Y}, {&MINMAXINFO::ptMaxTrackSize, &TPoint::X},
    {&MINMAXINFO::ptMinTrackSize, &TPoint::Y}, {&MINMAXINFO::ptMinTrackSize, &TPoint::X},
};

} // namespace

int TWinMinMaxInfo::GetMinMaxInfo(int Index) const {
    const auto [point, coordinate] = members[Index];
    return (info_.*point).*coordinate;
}

void TWinMinMaxInfo::SetMinMaxInfo(int Index, int Value) {
    const auto [point, coordinate] = members[Index];
    int& value = (info_.*point).*coordinate;
    if (value == Value)
        return;
    value = Value;
    changed();
}

void TWinMinMaxInfo::Assign(const TPersistent& Source) {
    const auto* other = dynamic_cast<const TWinMinMaxInfo*>(&Source);
    if (other == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    info_ = other->info_;
    changed();
}

bool TWinMinMaxInfo::DefaultMinMaxInfo() const {
    for (int i = 0; i < 8; ++i)
        if (GetMinMaxInfo(i) != 0)
            return false;
    return true;
}

void TWinMinMaxInfo::changed() {
    if (owner_ != nullptr)
        owner_->MinMaxInfoModified();
}
