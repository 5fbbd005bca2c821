// Docking without dock managers: a docked control is a plain child of its dock site; a floating
// one sits alone in a small tool window made for it, which goes when the control docks again or
// is freed.
#include <memory>

#include "toolkit/TControl.h"
#include "toolkit/TForm.h"

namespace {

// Owned by the control it holds, so that freeing the control frees the window too.
class FloatingDockHost : public TForm {
public:
    explicit FloatingDockHost(TControl* client) : TForm(client) {
        SetBorderStyle(bsToolWindow);
        SetCaption(client->Name());
    }
    // Freed on its own (not through its control), the window lets its control go instead of
    // freeing it as a child, since the control owns the window.
    ~FloatingDockHost() override {
        while (ControlCount() > 0)
            Controls(0)->SetParent(nullptr);
    }
};

FloatingDockHost* floatingHost(const TControl& control) { return dynamic_cast<FloatingDockHost*>(control.Parent()); }

} // namespace

bool TControl::ManualDock(TWinControl* NewDockSite) {
    if (NewDockSite == nullptr)
        return false;
    std::unique_ptr<FloatingDockHost> left(floatingHost(*this));
    SetParent(NewDockSite);
    return true;
}

void TControl::ManualFloat(const TRect& ScreenPos) {
    FloatingDockHost* host = floatingHost(*this);
    if (host == nullptr) {
        host = new FloatingDockHost(this);
        SetParent(host);
    }
    host->SetBounds(ScreenPos.Left, ScreenPos.Top, ScreenPos.Width(), ScreenPos.Height());
    SetBounds(0, 0, ScreenPos.Width(), ScreenPos.Height());
    host->Show();
}

bool TControl::Floating() const { return floatingHost(*this) != nullptr; }
