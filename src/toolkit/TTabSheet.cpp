// Tab sheets join and leave their page control's list of pages.
#include "toolkit/TTabSheet.h"

#include <algorithm>

#include "toolkit/TPageControl.h"

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) {}

TTabSheet::~TTabSheet() {
    Destroying();
    SetPageControl(nullptr);
}

void TTabSheet::SetPageControl(TPageControl* Value) {
    if (Value == pageControl_)
        return;
    if (pageControl_ != nullptr)
        pageControl_->removePage(this);
    pageControl_ = Value;
    if (Value != nullptr)
        Value->insertPage(this);
    else
        SetParent(nullptr);
}

void TTabSheet::SetCaption(const AnsiString& Value) {
    caption_ = Value;
    if (pageControl_ != nullptr)
        pageControl_->captionChanged(this);
}

void TTabSheet::SetTabVisible(bool Value) {
    if (Value == tabVisible_)
        return;
    tabVisible_ = Value;
    if (pageControl_ != nullptr)
        pageControl_->tabVisibilityChanged(this);
}

int TTabSheet::PageIndex() const {
    if (pageControl_ == nullptr)
        return -1;
    for (int i = 0; i < pageControl_->PageCount(); ++i)
        if (pageControl_->Pages(i) == this)
            return i;
    return -1;
}
