// The main window's small windows on the sample city: the find dialog's result on the map, the
// settings written on confirmation, the about box, the mini-map, and the menu items and buttons
// that open them.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "SmallWindowsFixture.h"
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

AnsiString ru(const char* utf8) { return tk::fromUtf8(utf8); }

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

AnsiString stored(const char* section, const char* key) {
    return TIniFile(app::settingsFileName()).ReadString(section, key, "(none)");
}

class MainWindowDialogsTest : public apptest::SmallWindowsFixture {
protected:
    // The find dialog answered with the street and house and "Найти".
    void find(const AnsiString& street, const AnsiString& house) {
        answerModal(
            *fmFindObj,
            [&] {
                fmFindObj->cbStreet->SetText(street);
                fmFindObj->cbHouse->SetText(house);
                tk::input::click(*fmFindObj->BitBtn1, 5, 5);
            },
            [&] { w->N6Click(); });
    }
    // The settings dialog answered by Act and then OK or "Отмена".
    void settings(const std::function<void()>& act, bool confirm) {
        answerModal(
            *fmParams,
            [&] {
                act();
                tk::input::click(confirm ? *fmParams->BitBtn1 : *fmParams->BitBtn2, 5, 5);
            },
            [&] { w->N11Click(); });
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

    find(ru("ЛЕНИНА"), "99999");
    ASSERT_EQ(answers_.boxes.size(), 1u);
    EXPECT_EQ(answers_.boxes[0].text, ru("Объект не найден!"));
    EXPECT_EQ(answers_.boxes[0].caption, ru("Информация"));
    EXPECT_EQ(answers_.boxes[0].flags, MB_OK | MB_ICONINFORMATION);
    EXPECT_EQ(fmFindObj->cbStreet->Items()->Count(), 0);
}

TEST_F(MainWindowDialogsTest, FoundBuildingBlinksAndTheViewZoomsOutInFourSteps) {
    const Building building = smallBuilding(*map, "ЛЕНИНА");
    ASSERT_GE(building.index, 0);
    tk::useManualClock(true);
    std::vector<int> scales;
    const TNotifyEvent changeScale = map->OnChangeScale;
    map->OnChangeScale = [&](TPersistent* Sender) {
        scales.push_back(map->Scale());
        changeScale(Sender);
    };
    for (int search = 0; search < 2; ++search) {
        scales.clear();
        map->SetScale(w->MinScale());
        scales.clear();
        w->Timer1->SetEnabled(true);
        find(ru("ленина"), building.house);
        EXPECT_EQ(scales, (std::vector<int>{800, 663, 526, 389, 252, 250}));
        EXPECT_EQ(map->BlinkObjects(), std::vector<int>{building.index});
        EXPECT_FALSE(w->Timer1->Enabled());
        EXPECT_EQ(fmFindObj->cbStreet->Items()->Count(), 1) << "remembered once";
        EXPECT_EQ(fmFindObj->cbHouse->Items()->Count(), 1);
    }
    map->OnChangeScale = changeScale;
    tk::useManualClock(false);
    EXPECT_TRUE(answers_.boxes.empty());
}

TEST_F(MainWindowDialogsTest, FindAnAddressEndToEnd) {
    const Building building = smallBuilding(*map, "ЛЕНИНА");
    ASSERT_GE(building.index, 0);
    tk::useManualClock(true);
    AnsiString street;
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
    EXPECT_EQ(map->Scale(), 250);
    EXPECT_EQ(map->BlinkObjects(), std::vector<int>{building.index});
    tk::advanceClock(760);
    Application->ProcessMessages();
    EXPECT_TRUE(w->Timer1->Enabled()) << "the first blink arms the blink's end";
    tk::advanceClock(760);
    Application->ProcessMessages();
    EXPECT_TRUE(map->BlinkObjects().empty());
    tk::useManualClock(false);
}

TEST_F(MainWindowDialogsTest, SettingsConfirmedWriteTheColourAndTheWheelOnlyWhenChanged) {
    EXPECT_EQ(fmParams->lScrollVal->Caption(), ru("(вниз - увеличить масштаб; вверх - уменьшить масштаб)"));
    std::filesystem::create_directory(dir_ / "elsewhere");
    ASSERT_TRUE(SetCurrentDir((dir_ / "elsewhere").string()));
    settings([] {}, /*confirm=*/true);
    EXPECT_EQ(stored("Navigation", "WeelDownDecreasesScale"), "(none)");
    EXPECT_EQ(stored("Appearance", "BackGroundColor"), "$00008000");
    EXPECT_EQ(std::filesystem::current_path(), dir_.path());
}

TEST_F(MainWindowDialogsTest, ChosenColourAndInvertedWheelReachMapAndFile) {
    answers_.colourChosen = RGB(10, 20, 200);
    settings(
        [] {
            tk::input::click(*fmParams->Shape1, 5, 5);
            tk::input::click(*fmParams->CheckBox1, 5, 5);
        },
        /*confirm=*/true);
    EXPECT_EQ(answers_.customColors, std::vector<AnsiString>{"ColorA=00008000"});
    EXPECT_EQ(map->BackgroundColor(), RGB(10, 20, 200));
    EXPECT_EQ(stored("Appearance", "BackGroundColor"), "$00C8140A");
    EXPECT_EQ(stored("Navigation", "WeelDownDecreasesScale"), "0");
    EXPECT_EQ(fmParams->lScrollVal->Caption(), ru("(вниз - уменьшить масштаб; вверх - увеличить масштаб)"));
    map->SetScale(400);
    map->Options()->SetStepLinza(80);
    tk::input::wheel(*map, -120, 50, 50);
    Application->ProcessMessages();
    EXPECT_EQ(map->Scale(), 320) << "wheel down zooms out";
    EXPECT_EQ(backgroundPixel(), RGB(10, 20, 200));
}

TEST_F(MainWindowDialogsTest, CancelledSettingsChangeNothingButKeepTheControls) {
    answers_.colourChosen = clRed;
    settings(
        [] {
            tk::input::click(*fmParams->Shape1, 5, 5);
            tk::input::click(*fmParams->CheckBox1, 5, 5);
        },
        /*confirm=*/false);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "ValInfo.ini"));
    EXPECT_EQ(backgroundPixel(), clGreen);
    bool checked = true;
    TColor shown = clNone;
    answerModal(
        *fmParams,
        [&] {
            checked = fmParams->CheckBox1->Checked();
            shown = fmParams->Shape1->Brush()->Color();
            tk::input::click(*fmParams->BitBtn2, 5, 5);
        },
        [&] { w->N11Click(); });
    EXPECT_FALSE(checked);
    EXPECT_EQ(shown, clRed);
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

TEST_F(MainWindowDialogsTest, MiniMapTogglesWithCtrlMAndPassesKeysToTheMap) {
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
}

TEST_F(MainWindowDialogsTest, MenuItemsAndButtonsOpenTheirWindows) {
    const auto cancelled = [](TForm& form, const std::function<void()>& trigger) {
        bool shown = false;
        form.OnShow = [&](TPersistent*) {
            shown = true;
            form.SetModalResult(mrCancel);
        };
        trigger();
        Application->ProcessMessages();
        form.OnShow = nullptr;
        return shown;
    };
    EXPECT_TRUE(cancelled(*fmFindObj, [&] { w->N6->Click(); }));
    EXPECT_TRUE(cancelled(*fmFindObj, [&] { tk::input::click(*w->SpeedButton3, 5, 5); }));
    EXPECT_TRUE(cancelled(*fmParams, [&] { w->N11->Click(); }));

    for (const auto& toggle : std::vector<std::function<void()>>{[&] { w->N17->Click(); },
                                                                 [&] { tk::input::click(*w->SpeedButton1, 5, 5); }}) {
        const bool visible = fmSmall->Visible();
        toggle();
        Application->ProcessMessages();
        EXPECT_NE(fmSmall->Visible(), visible);
    }

    const AnsiString helpTitle = ru("Справочная система ВалдренИнфо");
    for (const auto& help : std::vector<std::function<void()>>{[&] { w->N3->Click(); },
                                                               [&] { tk::input::click(*w->SpeedButton8, 5, 5); }}) {
        help();
        Application->ProcessMessages();
        const HWND viewer = FindWindow("HH Parent", helpTitle.c_str());
        EXPECT_NE(viewer, 0u);
        SendMessage(viewer, WM_CLOSE, 0, 0);
    }
}

} // namespace
