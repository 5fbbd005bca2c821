// The main window's small windows on the sample city, each opened through its menu item, button
// or key: the find dialog's typing (streets completed only from beginnings of names) and its
// result on the map, the settings applied and written on confirmation, the about box
// and the mini-map.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "ProgramFixture.h"
#include "app/ProgramSettings.h"
#include "app/TfmAbout.h"
#include "app/TfmFindObj.h"
#include "app/TfmParams.h"
#include "app/TfmSmall.h"
#include "map/TSmallPreView.h"
#include "toolkit/Clock.h"
#include "toolkit/FilePath.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TButton.h"
#include "toolkit/TCheckBox.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TIniFile.h"
#include "toolkit/TLabel.h"
#include "toolkit/TMenuItem.h"
#include "toolkit/TPanel.h"
#include "toolkit/TPicture.h"
#include "toolkit/TShape.h"
#include "toolkit/TSpeedButton.h"
#include "toolkit/TTimer.h"
#include "toolkit/WinApi.h"
#include "widgets/TExLabel.h"

namespace {

using apptest::ru;

struct Building {
    int index = -1;
    AnsiString house;
};

// The first building of the street that the find shows at the largest find scale: its frame is
// less than an eighth of the map's width and height.
Building smallBuilding(const TDataMap& map, const char* street) {
    const mapi::MapModel& model = map.Model();
    const int id = model.FindStreetId(ru(street));
    for (int i = 0; i < model.Objects().Count(); ++i) {
        const TKEXMapObjectMem& object = model.Objects()[i];
        if (!object.HasAddress() || object.Address->StreetId != id)
            continue;
        const AnsiString house = object.Address->House.str();
        const int found = model.FindObjectByAddress(-1, ru(street), house);
        const auto& corners = model.Objects()[found].Corners;
        const float width = std::fabs(corners[2].x - corners[0].x);
        const float height = std::fabs(corners[2].y - corners[0].y);
        if (width > 0 && height > 0 && width * 8 < float(map.Width()) && height * 8 < float(map.Height()))
            return {found, house};
    }
    return {};
}

AnsiString selected(const TComboBox& box) { return box.Text().substr(size_t(box.SelStart()), size_t(box.SelLength())); }

AnsiString stored(const char* section, const char* key) {
    return TIniFile(app::settingsFileName()).ReadString(section, key, "(none)");
}

class MainWindowDialogsTest : public apptest::MainWindowFixture {
protected:
    // The find dialog, opened by Open, answered with the street, the house and "Найти".
    void find(const AnsiString& street, const AnsiString& house, const std::function<void()>& open) {
        answerModal(
            *fmFindObj,
            [&] {
                fmFindObj->cbStreet->SetText(street);
                fmFindObj->cbHouse->SetText(house);
                tk::input::click(*fmFindObj->BitBtn1, 5, 5);
            },
            open);
    }
    // The settings dialog from its menu item, answered by Act and then OK or "Отмена".
    void settings(const std::function<void()>& act, bool confirm) {
        answerModal(
            *fmParams,
            [&] {
                act();
                tk::input::click(confirm ? *fmParams->BitBtn1 : *fmParams->BitBtn2, 5, 5);
            },
            // As the message loop runs a menu's click: what escapes goes to the default handling.
            [&] {
                try {
                    w->N11->Click();
                } catch (...) {
                    Application->HandleException(w);
                }
            });
    }
    // The map shows Colour where it has no object, and rolling the wheel down zooms out.
    void expectColourAndReversedWheel(TColor colour) {
        EXPECT_EQ(backgroundPixel(), colour);
        map->SetScale(400);
        map->Options()->SetStepLinza(80);
        tk::input::wheel(*map, -120, 50, 50);
        Application->ProcessMessages();
        EXPECT_EQ(map->Scale(), 320) << "wheel down zooms out";
    }
    // A pixel of the map's picture where the view shows no object, after a rebuild.
    TColor backgroundPixel() {
        map->SetXWind(map->Model().MapExtent.x2 + 100000);
        map->RefreshMap();
        return map->Picture()->Bitmap()->Canvas()->Pixels(5, 5);
    }
};

TEST_F(MainWindowDialogsTest, FindRefusesAnEmptyStreetAndReportsAnUnknownAddress) {
    TModalResult result = mrNone;
    answerModal(
        *fmFindObj,
        [&] {
            tk::input::click(*fmFindObj->BitBtn1, 5, 5);
            tk::input::click(*fmFindObj->BitBtn2, 5, 5);
        },
        [&] { result = fmFindObj->ShowModal(); });
    EXPECT_EQ(result, mrCancel) << "OK with no street kept the dialog open";

    find(ru("ЛЕНИНА"), "99999", [&] { tk::input::click(*w->SpeedButton3, 5, 5); Application->ProcessMessages(); });
    expectOneBox("Объект не найден!", "Информация", MB_OK | MB_ICONINFORMATION);
    EXPECT_EQ(fmFindObj->cbStreet->Items()->Count(), 0);
}

TEST_F(MainWindowDialogsTest, FindTypingStreetCompletesOnlyBeginningsOfNamesAndHouseIsUpperCased) {
    TfmFindObj& f = *fmFindObj;
    TComboBox& street = *f.cbStreet;
    f.Show();
    street.SetFocus();
    Application->ProcessMessages();
    const struct {
        const char* typed; // "\b": backspace
        const char* text;
        const char* selected;
    } steps[] = {
        {"л", "ЛЕНИНА", "ЕНИНА"}, {"е", "ЛЕНИНА", "НИНА"}, {"с", "ЛЕСНАЯ", "НАЯ"},
        {"ы", "ЛЕСНАЯ", "НАЯ"},   {"\b", "ЛЕС", ""},
    };
    for (const auto& step : steps) {
        if (*step.typed == '\b')
            tk::input::key(f, VK_BACK, 0, '\b');
        else
            tk::input::key(f, 0, 0, ru(step.typed)[0]);
        Application->ProcessMessages();
        EXPECT_EQ(street.Text(), ru(step.text)) << step.typed;
        EXPECT_EQ(selected(street), ru(step.selected)) << step.typed;
    }

    street.SetText(AnsiString());
    tk::input::key(f, 0, 0, ru("а")[0]);
    Application->ProcessMessages();
    EXPECT_EQ(street.Text(), "") << "БЕРЁЗОВАЯ contains А but does not begin with it";

    street.Items()->Add(ru("ЛЕСНАЯ")); // an empty list does not drop down
    street.SetDroppedDown(true);
    ASSERT_TRUE(street.DroppedDown());
    char key = ru("л")[0];
    f.cbStreetKeyPress(key);
    EXPECT_EQ(key, ru("л")[0]) << "the open list takes the key as it is";
    EXPECT_EQ(street.Text(), "");
    street.SetDroppedDown(false);

    f.cbHouse->SetFocus();
    tk::input::key(f, 0, 0, ru("б")[0]);
    Application->ProcessMessages();
    EXPECT_EQ(f.cbHouse->Text(), ru("Б"));
    f.Hide();
}

TEST_F(MainWindowDialogsTest, FindAnAddressEndToEnd) {
    const Building building = smallBuilding(*map, "ЛЕНИНА");
    ASSERT_GE(building.index, 0);
    tk::useManualClock(true);
    std::vector<int> scales;
    const TNotifyEvent changeScale = map->OnChangeScale;
    map->OnChangeScale = [&](TPersistent* Sender) {
        scales.push_back(map->Scale());
        changeScale(Sender);
    };
    w->Timer1->SetEnabled(true);
    answerModal(
        *fmFindObj,
        [&] {
            for (const char* letter : {"л", "е"})
                tk::input::key(*fmFindObj, 0, 0, ru(letter)[0]);
            tk::input::click(*fmFindObj->cbHouse, 5, 5);
            for (char c : building.house)
                tk::input::key(*fmFindObj, 0, 0, c);
            tk::input::click(*fmFindObj->BitBtn1, 5, 5);
        },
        [&] {
            tk::input::key(*w, 'F', ssCtrl);
            Application->ProcessMessages();
        });
    EXPECT_EQ(fmFindObj->cbStreet->Text(), ru("ЛЕНИНА"));
    EXPECT_EQ(scales, (std::vector<int>{800, 663, 526, 389, 252, 250}));
    EXPECT_EQ(map->BlinkObjects(), std::vector<int>{building.index});
    EXPECT_FALSE(w->Timer1->Enabled());
    tk::advanceClock(760);
    Application->ProcessMessages();
    EXPECT_TRUE(w->Timer1->Enabled()) << "the first blink arms the blink's end";
    tk::advanceClock(760);
    Application->ProcessMessages();
    EXPECT_TRUE(map->BlinkObjects().empty());

    find(ru("ленина"), building.house, [&] { w->N6->Click(); });
    EXPECT_EQ(fmFindObj->cbStreet->Items()->Count(), 1) << "remembered once";
    EXPECT_EQ(fmFindObj->cbHouse->Items()->Count(), 1);
    map->OnChangeScale = changeScale;
    tk::useManualClock(false);
}

TEST_F(MainWindowDialogsTest, SettingsConfirmedReachTheFileBesideTheProgramAndTheMapAndCancelledNothing) {
    EXPECT_EQ(fmParams->lScrollVal->Caption(), ru("(вниз - увеличить масштаб; вверх - уменьшить масштаб)"));
    // Confirmed unchanged from another current folder: only the colour is written.
    std::filesystem::create_directory(dir_ / "elsewhere");
    ASSERT_TRUE(SetCurrentDir((dir_ / "elsewhere").string()));
    settings([] {}, /*confirm=*/true);
    EXPECT_EQ(stored("Navigation", "WeelDownDecreasesScale"), "(none)");
    EXPECT_EQ(stored("Appearance", "BackGroundColor"), "$00008000");
    EXPECT_EQ(std::filesystem::current_path(), dir_.path());

    presenter_.colourChosen = RGB(10, 20, 200);
    settings(
        [] {
            tk::input::click(*fmParams->Shape1, 5, 5);
            tk::input::click(*fmParams->CheckBox1, 5, 5);
        },
        /*confirm=*/false);
    EXPECT_EQ(presenter_.customColors, std::vector<AnsiString>{"ColorA=00008000"});
    EXPECT_EQ(stored("Navigation", "WeelDownDecreasesScale"), "(none)");
    EXPECT_EQ(stored("Appearance", "BackGroundColor"), "$00008000");
    EXPECT_EQ(backgroundPixel(), clGreen);

    bool checked = true;
    settings([&] { checked = fmParams->CheckBox1->Checked(); }, /*confirm=*/true);
    EXPECT_FALSE(checked) << "the dialog kept its controls";
    EXPECT_EQ(fmParams->lScrollVal->Caption(), ru("(вниз - уменьшить масштаб; вверх - увеличить масштаб)"));
    EXPECT_EQ(stored("Appearance", "BackGroundColor"), "$00C8140A");
    EXPECT_EQ(stored("Navigation", "WeelDownDecreasesScale"), "0");
    expectColourAndReversedWheel(RGB(10, 20, 200));
}

TEST_F(MainWindowDialogsTest, SettingsThatCannotBeStoredStillTakeEffectAndOneErrorIsReported) {
    // Not even root can put a file where a folder stands.
    std::filesystem::create_directory(dir_ / "ValInfo.ini");
    presenter_.colourChosen = RGB(10, 20, 200);
    settings(
        [] {
            tk::input::click(*fmParams->Shape1, 5, 5);
            tk::input::click(*fmParams->CheckBox1, 5, 5);
        },
        /*confirm=*/true);
    expectOneBox(("Unable to write to " + tk::toUtf8(app::settingsFileName()) + ".").c_str(), "ВалдренИнфо",
                 MB_OK | MB_ICONSTOP);
    expectColourAndReversedWheel(RGB(10, 20, 200));

    // Opened again, the dialog shows what is in force; confirming unchanged still fails to store.
    bool checked = true;
    TColor shown = clNone;
    settings(
        [&] {
            checked = fmParams->CheckBox1->Checked();
            shown = fmParams->Shape1->Brush()->Color();
        },
        /*confirm=*/true);
    EXPECT_FALSE(checked);
    EXPECT_EQ(shown, RGB(10, 20, 200));
    EXPECT_EQ(presenter_.boxes.size(), 1u);
    presenter_.boxes.clear();
    EXPECT_EQ(backgroundPixel(), RGB(10, 20, 200));
}

TEST_F(MainWindowDialogsTest, AboutBoxIsFreedAfterEachShowingAndItsLinksOpen) {
    for (int showing = 0; showing < 2; ++showing) {
        bool freed = false;
        TTimer closer(nullptr);
        closer.SetInterval(10);
        closer.OnTimer = [&](TPersistent*) {
            for (int i = 0; i < w->ComponentCount(); ++i)
                if (auto* about = dynamic_cast<TfmAbout*>(w->Components(i))) {
                    about->OnDestroy = [&freed](TPersistent*) { freed = true; };
                    about->SetModalResult(mrOk);
                    closer.SetEnabled(false);
                }
        };
        closer.SetEnabled(true);
        w->N14->Click();
        EXPECT_TRUE(freed) << showing;
    }

    TfmAbout about(nullptr);
    about.Show();
    Application->ProcessMessages();
    for (TExLabel* link : {about.ExLabel1, about.ExLabel2}) {
        tk::input::move(*about.Panel1, link->Left() + 3, link->Top() + 3);
        Application->ProcessMessages();
        EXPECT_EQ(link->Cursor(), crHandPoint);
        EXPECT_TRUE(link->Font()->Style().Contains(fsUnderline));
        tk::input::move(*about.Panel1, 3, 3);
        Application->ProcessMessages();
        EXPECT_EQ(link->Cursor(), crDefault);
        EXPECT_FALSE(link->Font()->Style().Contains(fsUnderline));
        EXPECT_EQ(link->Font()->Color(), clBlue);
        tk::input::click(*about.Panel1, link->Left() + 3, link->Top() + 3);
    }
    tk::input::click(*about.SpeedButton1, 30, 30);
    Application->ProcessMessages();
    EXPECT_EQ(opened_, (std::vector<AnsiString>{"mailto:info@valdreninfo.example", "http://www.valdreninfo.example",
                                                "http://www.valdreninfo.example"}));
}

TEST_F(MainWindowDialogsTest, MiniMapTogglesAndPassesKeysToTheMap) {
    tk::input::key(*w, 'M', ssCtrl);
    Application->ProcessMessages();
    EXPECT_TRUE(fmSmall->Visible());
    EXPECT_TRUE(w->N17->Checked());
    EXPECT_EQ(GetActiveWindow(), w->Handle());

    fmSmall->SmallPreView1->SetFocus();
    const float x = map->XWind();
    tk::input::key(*fmSmall, VK_RIGHT);
    Application->ProcessMessages();
    EXPECT_FLOAT_EQ(map->XWind(), x + float(map->Options()->StepScroll()));
    const int scale = map->Scale();
    const int step = map->Options()->StepLinza();
    tk::input::key(*fmSmall, VK_ADD);
    Application->ProcessMessages();
    EXPECT_EQ(map->Scale(), scale + step);

    fmSmall->Close();
    Application->ProcessMessages();
    EXPECT_FALSE(fmSmall->Visible());
    EXPECT_FALSE(w->N17->Checked());
    for (const auto& toggle : {std::function<void()>([&] { w->N17->Click(); }),
                               std::function<void()>([&] { tk::input::click(*w->SpeedButton1, 5, 5); })}) {
        const bool visible = fmSmall->Visible();
        toggle();
        Application->ProcessMessages();
        EXPECT_NE(fmSmall->Visible(), visible);
        EXPECT_EQ(w->N17->Checked(), fmSmall->Visible());
    }
}

} // namespace
