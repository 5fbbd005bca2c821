// The map on a form for the mouse suites.
#include "map/MouseFixture.h"

#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TMenuItem.h"
#include "toolkit/TPopupMenu.h"
#include "toolkit/WinApi.h"

namespace mousefixture {

int MenuPicker::messageBox(const AnsiString& text, const AnsiString&, unsigned) {
    boxes.push_back(text);
    return IDOK;
}

TMenuItem* MenuPicker::trackPopup(TPopupMenu& menu, int, int) {
    shown.clear();
    TMenuItem* chosen = nullptr;
    for (int i = 0; i < menu.Items()->Count(); ++i) {
        TMenuItem* item = menu.Items()->Items(i);
        shown.push_back(item->Name() + (item->Checked() ? "*" : ""));
        if (item->Name() == pick)
            chosen = item;
    }
    return chosen;
}

MouseMap::MouseMap() : form(std::make_unique<TForm>(nullptr)), map(new TDataMap(form.get())) {
    tk::setDialogPresenter(&picker);
    form->SetBounds(50, 50, 420, 320);
    map->SetParent(form.get());
    map->SetBounds(0, 0, 400, 300);
    map->Options()->SetmpGuideLines(false);
    map->Options()->SetmpNoScroll(true);
    map->SetScale(100);
    map->SetXWind(0);
    map->SetYWind(0);
    form->Show();
    Application->ProcessMessages();
}

MouseMap::~MouseMap() {
    Application->OnMessage = nullptr;
    form.reset();
    Application->ProcessMessages();
    tk::setDialogPresenter(nullptr);
}

void MouseMap::press(TMouseButton button, int x, int y, TShiftState shift) {
    tk::input::press(*map, button, x, y, shift);
}
void MouseMap::move(int x, int y, TShiftState shift) { tk::input::move(*map, x, y, shift); }
void MouseMap::release(TMouseButton button, int x, int y, TShiftState shift) {
    tk::input::release(*map, button, x, y, shift);
}
void MouseMap::click(TMouseButton button, int x, int y, TShiftState shift) {
    press(button, x, y, shift);
    release(button, x, y, shift);
    run();
}
void MouseMap::drag(int x1, int y1, int x2, int y2, TShiftState shift) {
    press(mbLeft, x1, y1, shift);
    move(x2, y2, shift);
    release(mbLeft, x2, y2, shift);
    run();
}
void MouseMap::run() { Application->ProcessMessages(); }

void MouseMap::clickAnswering(int x, int y, std::function<TForm*()> dialog,
                              std::function<void(TForm&)> answer) {
    Application->OnMessage = [dialog, answer, done = false](TMsg&, bool&) mutable {
        TForm* shown = dialog();
        if (done || shown == nullptr || !shown->Visible())
            return;
        done = true;
        answer(*shown);
    };
    press(mbLeft, x, y);
    release(mbLeft, x, y);
    // The modal form keeps input from the map's window; a posted message still reaches the hook.
    PostMessage(map->Handle(), WM_USER, 0, 0);
    run();
    Application->OnMessage = nullptr;
}

} // namespace mousefixture
