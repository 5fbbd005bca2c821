// The main window on the sample database after the real start-up: first activation, the
// dictionary component's stored login, the wheel, keys, lens and drag navigation with their
// limits, the tools, the measurement and Esc, the busy cursor, the blink clean-up, the name
// searches, the search pages' fit, the keys the menus show and the closing of the help viewers.
#include "app/TfmValdrenGIS.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

#include "ProgramFixture.h"
#include "app/TfmFindObj.h"
#include "app/TfmSmall.h"
#include "data/TDbDictionary.h"
#include "data/TDbQuery.h"
#include "data/TDbTable.h"
#include "map/TDataMap.h"
#include "support/FileBytes.h"
#include "support/Noise.h"
#include "toolkit/Shell.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TButton.h"
#include "toolkit/TEdit.h"
#include "toolkit/TPageControl.h"
#include "toolkit/TParam.h"
#include "toolkit/TMenuItem.h"
#include "toolkit/TScreen.h"
#include "toolkit/TSpeedButton.h"
#include "toolkit/TStatusBar.h"
#include "toolkit/TStatusPanels.h"
#include "toolkit/TTabSheet.h"
#include "toolkit/TTimer.h"
#include "toolkit/WinApi.h"
#include "widgets/TEmiStringGrid.h"
#include "widgets/TExDBGrid.h"

namespace {

using apptest::ru;

class MainWindowTest : public apptest::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        map->SetFocus();
        Application->ProcessMessages();
    }
};

TEST_F(MainWindowTest, OpensOnTheWholeCityWithTheListsAndBannerOne) {
    const auto& extent = map->Model().MapExtent;
    // Centred on the extent, at the largest whole scale near the fit.
    EXPECT_NEAR(map->XWind() + map->ViewWidth() / 2, (extent.x1 + extent.x2) / 2, 1);
    EXPECT_NEAR(map->YWind() + map->ViewHeight() / 2, (extent.y1 + extent.y2) / 2, 1);
    const int larger = map->Scale() + 1;
    EXPECT_TRUE((extent.x2 - extent.x1) * larger / 100 > map->Width() ||
                (extent.y2 - extent.y1) * larger / 100 > map->Height());
    EXPECT_EQ(w->MinScale(), map->Scale());
    EXPECT_EQ(map->Mashtab(), 1644);
    EXPECT_EQ(map->Instrument(), iPick);
    EXPECT_EQ(panel(0), ru("  Выбор"));
    EXPECT_EQ(w->qShowCat->RecordCount(), w->dbRubric->RecordCount());
    EXPECT_GT(w->qShowPredpr->RecordCount(), 0);
    EXPECT_TRUE(w->ExDBGrid2->Options() & dgAlwaysShowSelection);
    EXPECT_EQ(w->BannerHelpFile(), "adv\\adv1.chm");
    EXPECT_TRUE(w->BanTimer->Enabled());
    EXPECT_EQ(map->BackgroundColor(), clGreen);
    ASSERT_NE(fmSmall, nullptr);
    const TPoint corner = map->ClientToScreen(Point(map->Left() + map->Width(), map->Top() + map->Height()));
    EXPECT_EQ(fmSmall->Left(), corner.X - fmSmall->Width() - 5);
    EXPECT_EQ(fmSmall->Top(), corner.Y - fmSmall->Height() - 5);
}

TEST_F(MainWindowTest, TheDictionaryComponentStaysUnconnectedAndLogsInWithoutAsking) {
    TDbDictionary& dictionary = *w->DbDictionary1;
    EXPECT_FALSE(dictionary.IsConnected());
    dictionary.SetIsConnected(true); // a login prompt would be answered cancelled and raise here
    EXPECT_TRUE(dictionary.IsConnected());
    dictionary.SetIsConnected(false);
}

TEST_F(MainWindowTest, WheelAndKeysKeepTheZoomLimits) {
    const int min = w->MinScale();
    auto wheelDown = [](TfmValdrenGIS& f, TShiftState s = 0) { tk::input::wheel(*f.DataMap1, -120, 50, 50, s); };
    auto wheelUp = [](TfmValdrenGIS& f) { tk::input::wheel(*f.DataMap1, 120, 50, 50); };
    struct Case {
        const char* name;
        int scale;
        int step;
        std::function<void()> act;
        int expected;
    };
    const std::vector<Case> cases{
        {"wheel down near the cap", 845, 169, [&] { wheelDown(*w); }, 850},
        {"wheel down at the cap", 850, 170, [&] { wheelDown(*w); }, 850},
        {"wheel up at the minimum", min, 50, [&] { wheelUp(*w); }, min},
        {"wheel up less than a step above", min + 3, 20, [&] { wheelUp(*w); }, min},
        {"wheel with Shift", 300, 60, [&] { wheelDown(*w, ssShift); }, 300},
        {"wheel with a button held", 300, 60,
         [&] {
             tk::input::press(*map, mbMiddle, 50, 50);
             wheelDown(*w);
             tk::input::release(*map, mbMiddle, 50, 50);
         },
         300},
        {"numeric plus", 800, 100, [&] { tk::input::key(*map, VK_ADD); }, 850},
        {"Ctrl+I", 400, 80, [&] { tk::input::key(*map, 'I', ssCtrl); }, 480},
        {"numeric minus", min + 3, 20, [&] { tk::input::key(*map, VK_SUBTRACT); }, min},
        {"Ctrl+O", min + 30, 20, [&] { tk::input::key(*map, 'O', ssCtrl); }, min + 10},
    };
    for (const Case& c : cases) {
        map->SetScale(c.scale);
        map->Options()->SetStepLinza(c.step);
        c.act();
        Application->ProcessMessages();
        EXPECT_EQ(map->Scale(), c.expected) << c.name;
    }
    map->SetScale(845);
    map->Options()->SetStepLinza(169);
    wheelDown(*w);
    Application->ProcessMessages();
    EXPECT_EQ(map->Options()->StepLinza(), 170) << "the step follows the capped scale";
}

TEST_F(MainWindowTest, ArrowsMoveByTheScrollStep) {
    const float x = map->XWind(), y = map->YWind();
    const float step = float(map->Options()->StepScroll());
    tk::input::key(*map, VK_RIGHT);
    tk::input::key(*map, VK_DOWN);
    Application->ProcessMessages();
    EXPECT_FLOAT_EQ(map->XWind(), x + step);
    EXPECT_FLOAT_EQ(map->YWind(), y + step);
    tk::input::key(*map, VK_LEFT);
    tk::input::key(*map, VK_UP);
    Application->ProcessMessages();
    EXPECT_FLOAT_EQ(map->XWind(), x);
    EXPECT_FLOAT_EQ(map->YWind(), y);
}

TEST_F(MainWindowTest, ToolsSetButtonInstrumentAndStatus) {
    struct Case {
        const char* name;
        std::function<void()> act;
        TSpeedButton* button;
        TInstrument instrument;
        const char* status;
        bool distanceCleared;
    };
    const std::vector<Case> cases{
        {"measure button", [&] { tk::input::click(*w->SpeedButton6, 5, 5); }, w->SpeedButton6, iMeasure, "  Измерение", false},
        {"pan button", [&] { tk::input::click(*w->SpeedButton9, 5, 5); }, w->SpeedButton9, iNone, "  Сдвиг", true},
        {"lens button", [&] { tk::input::click(*w->SpeedButton4, 5, 5); }, w->SpeedButton4, iLinza, "  Масштабирование ", true},
        {"pick button", [&] { tk::input::click(*w->SpeedButton5, 5, 5); }, w->SpeedButton5, iPick, "  Выбор", true},
        {"Линейка", [&] { w->pmMeasure->Click(); }, w->SpeedButton6, iMeasure, "  Измерение", false},
        {"Лупа", [&] { w->pmLens->Click(); }, w->SpeedButton4, iLinza, "  Масштабирование ", true},
        {"Выбор", [&] { w->pmPick->Click(); }, w->SpeedButton5, iPick, "  Выбор", true},
    };
    for (const Case& c : cases) {
        w->StatusBar1->Panels()->Items(2)->SetText("x");
        c.act();
        Application->ProcessMessages();
        EXPECT_TRUE(c.button->Down()) << c.name;
        EXPECT_EQ(map->Instrument(), c.instrument) << c.name;
        EXPECT_EQ(panel(0), ru(c.status)) << c.name;
        EXPECT_EQ(panel(2).empty(), c.distanceCleared) << c.name;
    }
}

// The one case the sample city lacks: a stream whose header holds another measurement factor.
class MeasureTest : public apptest::MainWindowFixture {
protected:
    void SetUp() override {
        useCityWithMashtab(1000);
        MainWindowFixture::SetUp();
    }
};

TEST_F(MeasureTest, ReadsMetresWith1644WhateverTheStreamSaysAndEscEndsIt) {
    EXPECT_EQ(map->Mashtab(), 1644);
    w->SpeedButton6Click();
    map->SetScale(20);
    map->SetXWind(0);
    map->SetYWind(0);
    map->SetFocus();
    // 1000 world units are 200 pixels at scale 20.
    auto measure = [&](int y) {
        tk::input::click(*map, 40, y);
        tk::input::move(*map, 240, y);
        tk::input::click(*map, 240, y);
        Application->ProcessMessages();
        EXPECT_EQ(panel(2), ru("Расстояние = 1644м"));
    };
    measure(40);
    tk::input::move(*map, 2, 2); // resting in the edge zone
    tk::input::key(*w, VK_ESCAPE);
    Application->ProcessMessages();
    measure(80); // a new measurement, not the old one continued

    w->SpeedButton5Click();
    const int scale = map->Scale();
    tk::input::key(*w, VK_ESCAPE);
    Application->ProcessMessages();
    EXPECT_EQ(map->Scale(), scale);
    EXPECT_EQ(map->Instrument(), iPick);
}

TEST_F(MainWindowTest, PanStopsAtAVisibleEdgeAndRebuildsOncePerStep) {
    w->SpeedButton9Click();
    const auto& e = map->Model().MapExtent;
    int rebuilds = 0;
    map->OnPaintBackground = [&rebuilds](TCanvas*, float, float, float, float) { ++rebuilds; };

    // One drag step from (x, y) by (dx, dy) with the left button held.
    auto drag = [&](int x, int y, int dx, int dy) {
        tk::input::move(*map, x, y);
        tk::input::press(*map, mbLeft, x, y);
        Application->ProcessMessages();
        rebuilds = 0;
        tk::input::move(*map, x + dx, y + dy);
        Application->ProcessMessages();
        EXPECT_EQ(rebuilds, 1);
        tk::input::release(*map, mbLeft, x + dx, y + dy);
        Application->ProcessMessages();
    };

    // The whole map inside the view: it moves freely.
    map->SetScale(w->MinScale() / 2);
    const float x0 = map->XWind();
    drag(100, 100, 10, 0);
    EXPECT_LT(map->XWind(), x0);

    // Zoomed in with the extent's right edge visible: dragging left moves only vertically.
    map->SetScale(300);
    map->SetXWind(e.x2 - map->ViewWidth() / 2);
    map->SetYWind((e.y1 + e.y2) / 2);
    const float x1 = map->XWind(), y1 = map->YWind();
    drag(200, 200, -50, -10);
    EXPECT_FLOAT_EQ(map->XWind(), x1);
    EXPECT_GT(map->YWind(), y1);
}

TEST_F(MainWindowTest, LensRightClickAtTheMinimumIsSwallowed) {
    w->SpeedButton4Click();
    const int min = w->MinScale();
    map->SetScale(min);
    tk::input::press(*map, mbRight, 100, 100);
    tk::input::release(*map, mbRight, 100, 100);
    Application->ProcessMessages();
    EXPECT_EQ(map->Scale(), min);
    map->SetScale(min * 3);
    tk::input::press(*map, mbRight, 100, 100);
    tk::input::release(*map, mbRight, 100, 100);
    Application->ProcessMessages();
    EXPECT_LT(map->Scale(), min * 3);
    EXPECT_GE(map->Scale(), min);
}

TEST_F(MainWindowTest, BusyCursorAndAClickEndsTheBlink) {
    w->BeginWait();
    EXPECT_EQ(Screen->Cursor(), crHourGlass);
    for (TControl* c : std::initializer_list<TControl*>{w->ExDBGrid2, w->ExDBGrid1, map, w->StringGrid1})
        EXPECT_EQ(c->Cursor(), crHourGlass);
    w->EndWait();
    EXPECT_EQ(Screen->Cursor(), crDefault);
    for (TControl* c : std::initializer_list<TControl*>{w->ExDBGrid2, w->ExDBGrid1, map, w->StringGrid1})
        EXPECT_EQ(c->Cursor(), crDefault);

    const int first[] = {0};
    map->SetBlinkObjects(first);
    tk::input::click(*map, 30, 30);
    Application->ProcessMessages();
    EXPECT_TRUE(map->BlinkObjects().empty());
}

TEST_F(MainWindowTest, SearchesUpperCaseTheirPatternAndShowSelectionOnlyOverRows) {
    w->Edit2->SetText(ru("ёлоч"));
    EXPECT_EQ(w->qShowCat->ParamByName("Name")->AsString(), ru("%ЁЛОЧ%"));
    w->Edit1->SetText(ru("zzzщщщ"));
    EXPECT_EQ(w->qShowPredpr->ParamByName("Name")->AsString(), ru("ZZZЩЩЩ%"));
    EXPECT_FALSE(w->ExDBGrid1->Options() & dgAlwaysShowSelection);
    w->Edit2->SetText(AnsiString());
    EXPECT_TRUE(w->ExDBGrid2->Options() & dgAlwaysShowSelection);
}

// The alphabet page's edit and list end where the rubric page's do, inside the page, whichever
// page was shown while the splitter changed the pages' height. Each list fills the box that
// holds it on its page.
TEST_F(MainWindowTest, AlphabetPageFitsItsEditAndListAsTheRubricPageDoes) {
    const auto shown = [&](int pageIndex, const TControl& control) {
        w->PageControl1->SetActivePageIndex(pageIndex);
        Application->ProcessMessages();
        return control.BoundsRect();
    };
    for (const int height : {200, 160, 180}) {
        w->PageControl1->SetHeight(height);
        const TRect edit1 = shown(1, *w->Edit1), list1 = shown(1, *w->ExDBGrid1->Parent());
        const TTabSheet& page = *w->PageControl1->ActivePage();
        const TRect edit2 = shown(0, *w->Edit2), list2 = shown(0, *w->ExDBGrid2->Parent());
        EXPECT_EQ(edit1.Right, edit2.Right) << height;
        EXPECT_EQ(list1.Right, list2.Right) << height;
        EXPECT_EQ(list1.Bottom, list2.Bottom) << height;
        EXPECT_LT(list1.Right, page.ClientWidth()) << height;
        EXPECT_LT(list1.Bottom, page.ClientHeight()) << height;
        for (const TExDBGrid* list : {w->ExDBGrid1, w->ExDBGrid2})
            EXPECT_EQ(list->BoundsRect(), list->Parent()->ClientRect()) << height;
    }
}

// The key a menu shows at the right of an item ("Ctrl+F", "F1"), as the window receives it.
std::pair<std::uint16_t, TShiftState> shownKey(const TMenuItem& item) {
    const AnsiString& caption = item.Caption();
    const size_t tab = caption.find('\t');
    if (tab == AnsiString::npos)
        return {0, 0};
    AnsiString key = caption.substr(tab + 1);
    TShiftState shift = 0;
    if (key.rfind("Ctrl+", 0) == 0) {
        shift = ssCtrl;
        key = key.substr(5);
    }
    if (key.size() == 1)
        return {std::uint16_t(key[0]), shift};
    return {std::uint16_t(VK_F1 + std::stoi(key.substr(1)) - 1), shift};
}

TEST_F(MainWindowTest, MenuItemsShowTheKeysThatRunThem) {
    const auto press = [&](const TMenuItem& item) {
        const auto [key, shift] = shownKey(item);
        ASSERT_NE(key, 0) << tk::toUtf8(item.Caption());
        tk::input::key(*w, key, shift);
        Application->ProcessMessages();
    };
    bool findShown = false;
    answerModal(
        *fmFindObj,
        [&] {
            findShown = true;
            tk::input::click(*fmFindObj->BitBtn2, 5, 5);
        },
        [&] { press(*w->N6); });
    EXPECT_TRUE(findShown);
    press(*w->N17);
    EXPECT_TRUE(fmSmall->Visible()) << "shown once, not toggled twice";
    EXPECT_TRUE(w->N17->Checked());
    press(*w->N3);
    EXPECT_NE(FindWindow("HH Parent", ru("Справочная система ВалдренИнфо").c_str()), 0u);
}

TEST_F(MainWindowTest, ClosingStopsTheBannersAndClosesEveryHelpViewer) {
    tk::setShellOpener(nullptr);
    ShellExecute(0, "open", "adv\\adv1.chm", nullptr, nullptr, 1);
    ShellExecute(0, "open", "adv\\adv1.chm", nullptr, nullptr, 1);
    ShellExecute(0, "open", "help\\valinfo.chm", nullptr, nullptr, 1);
    Application->ProcessMessages();
    ASSERT_NE(FindWindow("HH Parent", ru("ВалдренИнфо").c_str()), 0u);
    bool canClose = true;
    w->FormCloseQuery(canClose);
    Application->ProcessMessages();
    EXPECT_TRUE(canClose);
    EXPECT_FALSE(w->BanTimer->Enabled());
    EXPECT_EQ(FindWindow("HH Parent", ru("ВалдренИнфо").c_str()), 0u);
    EXPECT_EQ(FindWindow("HH Parent", ru("Справочная система ВалдренИнфо").c_str()), 0u);
}

// A city map that shows nothing is explained on standard error: the damage with its reason, or a
// map that holds no objects; the program starts all the same.
enum class CityBlob { intact, randomBytes, halfCut, null, noRow, zeros };

struct CityMapCase {
    const char* name;
    CityBlob blob;
    const char* line; // the start of the program's one line; none for the intact city
};

void PrintTo(const CityMapCase& c, std::ostream* os) { *os << c.name; }

class CityMapLineTest : public apptest::ProgramFixture, public testing::WithParamInterface<CityMapCase> {};

TEST_P(CityMapLineTest, ExplainsAnEmptyMapOnStandardError) {
    const CityMapCase& c = GetParam();
    switch (c.blob) {
    case CityBlob::intact: break;
    case CityBlob::randomBytes: useCityMap(testsupport::noise(4096, 36)); break;
    case CityBlob::halfCut: {
        const std::string city = testsupport::readFile(std::filesystem::path(BUILD_DIR) / "data" / "city.map");
        useCityMap(city.substr(0, city.size() / 2));
        break;
    }
    case CityBlob::null: useDatabaseWith({"UPDATE city SET citymap = NULL"}); break;
    case CityBlob::noRow: useDatabaseWith({"DELETE FROM city"}); break;
    case CityBlob::zeros: useCityMap(std::string(4096, '\0')); break;
    }
    testing::internal::CaptureStderr();
    startProgram();
    const std::string errors = testing::internal::GetCapturedStderr();
    ASSERT_NE(fmValdrenGIS, nullptr);
    std::vector<std::string> lines;
    for (std::size_t at = errors.find("ValInfo: "); at != std::string::npos; at = errors.find("ValInfo: ", at + 1))
        lines.push_back(errors.substr(at, errors.find('\n', at) - at));
    if (c.line == nullptr) {
        EXPECT_TRUE(lines.empty()) << errors;
        return;
    }
    ASSERT_EQ(lines.size(), 1u) << errors;
    EXPECT_EQ(lines[0].rfind(c.line, 0), 0u) << lines[0];
    EXPECT_EQ(fmValdrenGIS->DataMap1->Model().Damaged(), c.blob != CityBlob::zeros);
}

INSTANTIATE_TEST_SUITE_P(
    Blobs, CityMapLineTest,
    testing::Values(CityMapCase{"intact", CityBlob::intact, nullptr},
                    CityMapCase{"randomBytes", CityBlob::randomBytes,
                                "ValInfo: the city map is damaged: unknown map format version "},
                    CityMapCase{"halfCut", CityBlob::halfCut, "ValInfo: the city map is damaged: map stream damaged at byte "},
                    CityMapCase{"null", CityBlob::null, "ValInfo: the city map is damaged: map stream damaged at byte 0: header"},
                    CityMapCase{"noRow", CityBlob::noRow, "ValInfo: the city map is damaged: map stream damaged at byte 0: header"},
                    CityMapCase{"zeros", CityBlob::zeros, "ValInfo: the city map holds no objects"}),
    [](const testing::TestParamInfo<CityMapCase>& info) { return std::string(info.param.name); });

} // namespace
