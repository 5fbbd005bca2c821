// One page of a page control: a windowed control that fills the page control below its tabs
// and shows while its tab is the active one.
#pragma once

#include "toolkit/TWinControl.h"

class TPageControl;

class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return pageControl_; }
    // Joins the page control as its last page (none: leaves it).
    void SetPageControl(TPageControl* Value);
    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& Value);
    int PageIndex() const;
    // Off: the tab goes and the sheet cannot show, but keeps its controls; an active sheet
    // hands on to the next sheet with a tab.
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool Value);

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    AnsiString caption_;
    bool tabVisible_ = true;
};
