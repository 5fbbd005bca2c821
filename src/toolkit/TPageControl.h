// The page control: a row of tabs over pages (TTabSheet); picking a tab shows its page and fires
// OnChange.
#pragma once

#include <vector>

#include "toolkit/TWinControl.h"

class TTabSheet;

class TPageControl : public TWinControl {
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int Index) const { return pages_.at(static_cast<size_t>(Index)); }
    TTabSheet* ActivePage() const { return active_; }
    // Shows the page (it must be one of this control's); OnChange does not fire.
    void SetActivePage(TTabSheet* Value);
    int ActivePageIndex() const;
    void SetActivePageIndex(int Value);

    TNotifyEvent OnChange;

protected:
    virtual void Change();
    void Resize() override;

private:
    friend class TTabSheet;
    void insertPage(TTabSheet* page);
    void removePage(TTabSheet* page);
    void captionChanged(TTabSheet* page);
    void tabVisibilityChanged(TTabSheet* page);
    void tabPicked(int index);
    void fitHiddenPages();

    std::vector<TTabSheet*> pages_;
    TTabSheet* active_ = nullptr;
};
