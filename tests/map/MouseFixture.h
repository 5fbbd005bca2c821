// A map control on a shown form, for the suites that drive it with synthetic mouse input: 400 x
// 300 pixels, the world origin at the top-left pixel at Scale 100, edge scrolling off unless a
// test turns it on, and a dialog presenter that picks popup entries by name.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "map/TDataMap.h"
#include "toolkit/Dialogs.h"
#include "toolkit/TForm.h"

namespace mousefixture {

// Answers message boxes with OK and picks the popup entry named Pick, recording the names shown.
struct MenuPicker : tk::DialogPresenter {
    AnsiString pick;
    std::vector<std::string> shown;
    std::vector<std::string> boxes;

    int messageBox(const AnsiString& text, const AnsiString&, unsigned) override;
    bool chooseColor(TColor&, TStrings&) override { return false; }
    bool login(const AnsiString&, AnsiString&, AnsiString&) override { return false; }
    TMenuItem* trackPopup(TPopupMenu& menu, int x, int y) override;
};

struct MouseMap {
    MenuPicker picker;
    std::unique_ptr<TForm> form;
    TDataMap* map;

    MouseMap();
    ~MouseMap();

    void press(TMouseButton button, int x, int y, TShiftState shift = 0);
    void move(int x, int y, TShiftState shift = 0);
    void release(TMouseButton button, int x, int y, TShiftState shift = 0);
    void click(TMouseButton button, int x, int y, TShiftState shift = 0);
    // A left press at one point, a move to another, the release there, all run.
    void drag(int x1, int y1, int x2, int y2, TShiftState shift = 0);
    // Runs the queued input.
    void run();
    // A left click that opens a modal dialog: Answer runs once the form Dialog gives is shown,
    // inside its modal loop, and queues the input that closes it.
    void clickAnswering(int x, int y, std::function<TForm*()> dialog, std::function<void(TForm&)> answer);
};

} // namespace mousefixture
