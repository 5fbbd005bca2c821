// The status bar at the bottom of a window: panels of fixed widths with a text each, or, with
// SimplePanel, one text over the whole bar.
#pragma once

#include <memory>

#include "toolkit/TCustomControl.h"
#include "toolkit/TStatusPanels.h"

class TStatusBar : public TCustomControl {
public:
    explicit TStatusBar(TComponent* AOwner);
    ~TStatusBar() override;

    TStatusPanels* Panels() const { return panels_.get(); }
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool Value);
    const AnsiString& SimpleText() const { return simpleText_; }
    void SetSimpleText(const AnsiString& Value);

protected:
    void Paint() override;

private:
    void drawPanel(TCanvas& canvas, const TRect& rect, const AnsiString& text);

    std::unique_ptr<TStatusPanels> panels_;
    bool simplePanel_ = false;
    AnsiString simpleText_;
};
