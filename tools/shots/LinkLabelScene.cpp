// The link label scene: the about box's e-mail and web links, shadowless blue labels that turn
// underlined under the mouse; the web link is hovered.
#include "Scene.h"
#include "ShowActive.h"
#include "toolkit/Screenshot.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TButton.h"
#include "toolkit/TLabel.h"
#include "toolkit/TPanel.h"
#include "widgets/TExLabel.h"

namespace {

TExLabel* linkLabel(TPanel& panel, const char* caption, int left, int top) {
    auto* prompt = new TLabel(&panel);
    prompt->SetParent(&panel);
    prompt->SetBounds(16, top, 50, 17);
    prompt->SetCaption(caption);
    auto* link = new TExLabel(&panel);
    link->SetParent(&panel);
    link->SetLeft(left);
    link->SetTop(top);
    link->SetShadowSize(0);
    link->Font()->SetColor(clBlue);
    link->SetCaption(caption == std::string("web:") ? "www.valdren.example" : "info@valdren.example");
    link->OnMouseEnter = [link](TPersistent*) {
        link->Font()->SetStyle(TFontStyles{fsUnderline});
        link->SetCursor(crHandPoint);
        link->Invalidate();
    };
    link->OnMouseLeave = [link](TPersistent*) {
        link->Font()->SetStyle(TFontStyles{});
        link->SetCursor(crDefault);
        link->Invalidate();
    };
    return link;
}

} // namespace

SHOTS_SCENE(linklabel) {
    TForm form(nullptr);
    form.SetCaption(tk::fromUtf8("О программе..."));
    form.SetBounds(100, 100, 350, 130);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(8, 8, 334, 80);
    panel->SetBevelOuter(bvLowered);
    panel->SetBevelInner(bvLowered);
    linkLabel(*panel, "e-mail:", 70, 20);
    TExLabel* web = linkLabel(*panel, "web:", 70, 46);
    auto* ok = new TButton(&form);
    ok->SetParent(&form);
    ok->SetBounds(137, 96, 75, 25);
    ok->SetCaption("OK");
    shots::showActive(form, *ok);
    tk::input::move(*web, 20, 6);
    Application->ProcessMessages();
    return tk::saveScreenshot(form, pngPath);
}
