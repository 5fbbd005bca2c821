// The placement's min/max record, read and written by property index.
#include "widgets/TWinMinMaxInfo.h"

#include "widgets/TFormPlacement.h"

namespace {

// The record's member behind a property index, for the const and the writable record alike.
template <class Info>
auto& memberOf(Info& info, int index) {
    switch (index) {
    case 0:
        return info.ptMaxPosition.X;
    case 1:
        return info.ptMaxPosition.Y;
    case 2:
        return info.ptMaxSize.Y;
    case 3:
        return info.ptMaxSize.X;
    case 4:
        return info.ptMaxTrackSize.Y;
    case 5:
        return info.ptMaxTrackSize.X;
    case 6:
        return info.ptMinTrackSize.Y;
    default:
        return info.ptMinTrackSize.X;
    }
}

} // namespace

int TWinMinMaxInfo::GetMinMaxInfo(int Index) const { return memberOf(info_, Index); }

void TWinMinMaxInfo::SetMinMaxInfo(int Index, int Value) {
    int& value = memberOf(info_, Index);
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
