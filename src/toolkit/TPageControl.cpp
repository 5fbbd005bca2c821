// Page controls: a Qt tab bar above the client area, whose top the tabs take; the pages are our
// own windowed controls aligned to the client area, shown or not, one of them visible.
#include "toolkit/TPageControl.h"

#include <QTabBar>
#include <QWidget>
#include <algorithm>

#include "toolkit/TControl_p.h"
#include "toolkit/TTabSheet.h"

namespace {

QTabBar& tabBar(const TPageControl& control) { return *control.peer().widget()->findChild<QTabBar*>(); }

} // namespace

TPageControl::TPageControl(TComponent* AOwner) : TWinControl(AOwner) {
    SetTabStop(true);
    auto* bar = new QTabBar(peer().widget());
    bar->setDrawBase(false);
    QObject::connect(bar, &QTabBar::currentChanged, [this](int index) {
        tk::guarded(this, [this, index] { tabPicked(index); });
    });
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl() {
    Destroying();
    tabBar(*this).disconnect();
    for (TTabSheet* page : pages_)
        page->pageControl_ = nullptr;
}

void TPageControl::insertPage(TTabSheet* page) {
    pages_.push_back(page);
    QTabBar& bar = tabBar(*this);
    {
        const QSignalBlocker quiet(bar);
        bar.setTabVisible(bar.addTab(tk::qString(page->Caption())), page->TabVisible());
    }
    const int height = bar.sizeHint().height();
    bar.setGeometry(0, 0, Width(), height);
    setClientTop(height);
    page->SetVisible(false);
    page->SetParent(this);
    page->SetAlign(alClient);
    fitHiddenPages();
    if (active_ == nullptr && page->TabVisible())
        SetActivePage(page);
}

// Pages are aligned whether they show or not, as the platform aligns them: the controls placed on
// a hidden page and anchored to its edges then fit it when it shows.
void TPageControl::fitHiddenPages() {
    for (TTabSheet* page : pages_)
        if (!page->Visible())
            page->SetBounds(0, 0, ClientWidth(), ClientHeight());
}

void TPageControl::removePage(TTabSheet* page) {
    const auto it = std::find(pages_.begin(), pages_.end(), page);
    if (it == pages_.end())
        return;
    const int index = static_cast<int>(it - pages_.begin());
    pages_.erase(it);
    {
        const QSignalBlocker quiet(tabBar(*this));
        tabBar(*this).removeTab(index);
    }
    if (active_ == page) {
        active_ = nullptr;
        if (!pages_.empty())
            SetActivePage(pages_[static_cast<size_t>(std::min(index, PageCount() - 1))]);
    }
}

void TPageControl::captionChanged(TTabSheet* page) {
    const auto it = std::find(pages_.begin(), pages_.end(), page);
    if (it != pages_.end())
        tabBar(*this).setTabText(static_cast<int>(it - pages_.begin()), tk::qString(page->Caption()));
}

void TPageControl::tabVisibilityChanged(TTabSheet* page) {
    const auto it = std::find(pages_.begin(), pages_.end(), page);
    if (it == pages_.end())
        return;
    const int index = static_cast<int>(it - pages_.begin());
    {
        const QSignalBlocker quiet(tabBar(*this));
        tabBar(*this).setTabVisible(index, page->TabVisible());
    }
    if (page->TabVisible()) {
        if (active_ == nullptr)
            SetActivePage(page);
        return;
    }
    if (page != active_)
        return;
    page->SetVisible(false);
    active_ = nullptr;
    // The next sheet with a tab after this one, else the nearest before it.
    for (int step = 1; step < PageCount(); ++step) {
        TTabSheet* candidate = Pages((index + step) % PageCount());
        if (candidate->TabVisible()) {
            SetActivePage(candidate);
            return;
        }
    }
}

void TPageControl::SetActivePage(TTabSheet* Value) {
    const auto it = std::find(pages_.begin(), pages_.end(), Value);
    if (it == pages_.end() || Value == active_)
        return;
    if (active_ != nullptr)
        active_->SetVisible(false);
    active_ = Value;
    active_->SetVisible(true);
    const QSignalBlocker quiet(tabBar(*this));
    tabBar(*this).setCurrentIndex(static_cast<int>(it - pages_.begin()));
}

int TPageControl::ActivePageIndex() const {
    const auto it = std::find(pages_.begin(), pages_.end(), active_);
    return it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin());
}

void TPageControl::SetActivePageIndex(int Value) {
    if (Value >= 0 && Value < PageCount())
        SetActivePage(Pages(Value));
}

void TPageControl::tabPicked(int index) {
    if (index < 0 || index >= PageCount())
        return;
    SetActivePage(Pages(index));
    Change();
}

void TPageControl::Resize() {
    tabBar(*this).setGeometry(0, 0, Width(), clientTop());
    fitHiddenPages();
    TWinControl::Resize();
}

void TPageControl::Change() {
    if (OnChange)
        OnChange(this);
}
