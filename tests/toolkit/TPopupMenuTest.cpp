// Popup menus: when the clicked item runs, and popping up on a right click.
#include "toolkit/TPopupMenu.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/Dialogs.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"

namespace {

// Picks the menu entry of the given caption, recording what the menu showed.
struct MenuPicker : tk::DialogPresenter {
    AnsiString pick;
    std::vector<std::string> shown;
    TPoint at;

    int messageBox(const AnsiString&, const AnsiString&, unsigned) override { return IDOK; }
    bool chooseColor(TColor&, TStrings&) override { return false; }
    bool login(const AnsiString&, AnsiString&, AnsiString&) override { return false; }
    TMenuItem* trackPopup(TPopupMenu& menu, int x, int y) override {
        at = Point(x, y);
        TMenuItem* chosen = nullptr;
        for (int i = 0; i < menu.Items()->Count(); ++i) {
            TMenuItem* item = menu.Items()->Items(i);
            if (!item->Visible())
                continue;
            shown.push_back(item->Caption() + (item->Checked() ? "*" : ""));
            if (item->Caption() == pick)
                chosen = item;
        }
        return chosen;
    }
};

struct Fixture {
    MenuPicker picker;
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TPopupMenu* menu = new TPopupMenu(form.get());
    std::vector<std::string> log;

    Fixture() {
        tk::setDialogPresenter(&picker);
        for (const char* caption : {"&Lock", "-", "Hidden", "&Delete"}) {
            auto* item = new TMenuItem(form.get());
            item->SetCaption(caption);
            item->OnClick = [this](TPersistent* sender) {
                log.push_back("click " + static_cast<TMenuItem*>(sender)->Caption());
            };
            menu->Items()->Add(item);
        }
        menu->Items()->Items(0)->SetChecked(true);
        menu->Items()->Items(2)->SetVisible(false);
    }
    ~Fixture() { tk::setDialogPresenter(nullptr); }
};

TEST(TPopupMenuTest, ClickRunsAfterPopupHasReturned) {
    Fixture f;
    f.picker.pick = "&Delete";
    f.menu->Popup(10, 20);
    f.log.push_back("popup returned");
    Application->ProcessMessages();
    EXPECT_EQ(f.log, (std::vector<std::string>{"popup returned", "click &Delete"}));
    EXPECT_EQ(f.picker.shown, (std::vector<std::string>{"&Lock*", "-", "&Delete"}));
    EXPECT_EQ(f.picker.at, Point(10, 20));
}

TEST(TPopupMenuTest, NothingRunsWhenTheMenuIsDismissedOrTheItemFreed) {
    Fixture f;
    f.menu->Popup(0, 0);
    f.picker.pick = "&Lock";
    f.menu->Popup(0, 0);
    delete f.menu->Items()->Items(0);
    Application->ProcessMessages();
    EXPECT_TRUE(f.log.empty());
    EXPECT_EQ(f.menu->Items()->Count(), 3);
}

TEST(TPopupMenuTest, RightClickOnAControlPopsItsMenuUpAtTheReleasePointUnlessTheContextEventHandlesIt) {
    Fixture f;
    f.form->SetBounds(100, 100, 200, 200);
    f.form->SetPopupMenu(f.menu);
    f.form->Show();
    f.picker.pick = "&Lock";
    std::vector<TPoint> asked;
    bool keepShut = true;
    f.form->OnContextPopup = [&](TPersistent*, TPoint at, bool& handled) {
        asked.push_back(at);
        handled = keepShut;
    };
    for (bool shut : {true, false}) {
        keepShut = shut;
        tk::input::press(*f.form, mbRight, 30, 40);
        tk::input::release(*f.form, mbRight, 30, 40);
        Application->ProcessMessages();
        EXPECT_EQ(f.picker.shown.empty(), shut);
    }
    EXPECT_EQ(asked, (std::vector<TPoint>{Point(30, 40), Point(30, 40)}));
    EXPECT_EQ(f.picker.at, Point(130, 140));
    EXPECT_EQ(f.menu->PopupComponent(), f.form.get());
    EXPECT_EQ(f.log, std::vector<std::string>{"click &Lock"});
}

} // namespace
