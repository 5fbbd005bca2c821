// The form placement over an INI file: the exact keys of a save, what a restore applies or
// ignores, the chained form events, a minimised main form, and a data grid's column layout
// stored through its link.
#include "widgets/TFormPlacement.h"

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "support/MemoryDataSet.h"
#include "support/TempDirectory.h"
#include "toolkit/TApplication.h"
#include "toolkit/TColumn.h"
#include "toolkit/TDBGridColumns.h"
#include "toolkit/TDataSource.h"
#include "toolkit/TEdit.h"
#include "toolkit/TIniFile.h"
#include "toolkit/TRegIniFile.h"
#include "toolkit/TStringList.h"
#include "widgets/PlacementStorage.h"
#include "widgets/TExDBGrid.h"
#include "widgets/TExWindowHook.h"

namespace {

class TfmProbe : public TForm {
public:
    using TForm::TForm;
};

// A placement that keeps one value of its own beside the form's, through the save and restore
// notifications.
class TSplitPlacement : public TFormPlacement {
public:
    using TFormPlacement::TFormPlacement;
    AnsiString split = "120";

protected:
    void DoSavePlacement() override {
        WriteString(IniSection(), "Split", split);
        TFormPlacement::DoSavePlacement();
    }
    void DoRestorePlacement() override {
        split = ReadString(IniSection(), "Split", split);
        TFormPlacement::DoRestorePlacement();
    }
};

class TFormPlacementTest : public testing::Test {
protected:
    TFormPlacementTest() {
        form->SetBounds(40, 50, 300, 200);
        edit->SetName("Edit1");
        edit->SetParent(form.get());
        placement->SetIniFileName(iniName);
    }
    std::set<std::string> keys(const AnsiString& section, const AnsiString& fileName) {
        TIniFile ini(fileName);
        TStringList names;
        ini.ReadSection(section, names);
        std::set<std::string> result;
        for (int i = 0; i < names.Count(); ++i)
            result.insert(names.Strings(i) + "=" + ini.ReadString(section, names.Strings(i), ""));
        return result;
    }
    std::set<std::string> keys(const AnsiString& section) { return keys(section, iniName); }
    testsupport::TempDirectory folder;
    AnsiString iniName = (folder / "probe.ini").string();
    std::unique_ptr<TfmProbe> form = std::make_unique<TfmProbe>(nullptr);
    TEdit* edit = new TEdit(form.get());
    TFormPlacement* placement = new TFormPlacement(form.get());
};

TEST_F(TFormPlacementTest, ASaveWritesExactlyThePlacementKeysInBothFlavoursAndARestoreReadsThem) {
    placement->SetOptions(placement->Options() | fpActiveControl);
    form->Show();
    Application->ProcessMessages();
    form->SetActiveControl(edit);
    placement->Save();
    EXPECT_TRUE(keys("TfmProbe").empty()) << "an active placement saves only after a restore";
    placement->Restore();
    placement->Save();
    // The restore put the sizeable frame of a maximised form outside the screen.
    const AnsiString suffix = ScreenResSuffix();
    const std::set<std::string> expected{
        "FormVersion=0", "Flags=0", "ShowCmd=1", "PixelsPerInch=96", "MinMaxPos=0,0,-4,-4",
        "MinMaxPos" + suffix + "=0,0,-4,-4", "NormPos=40,50,340,250", "NormPos" + suffix + "=40,50,340,250",
        "Visible=0", "ActiveControl=Edit1"};
    EXPECT_EQ(keys("TfmProbe"), expected);

    // The registry flavour: the same keys under the program's key.
    tk::setRegistryFolder((folder / "registry").string());
    placement->SetIniFileName("");
    placement->SetUseRegistry(true);
    placement->Restore();
    EXPECT_FALSE(std::filesystem::exists(folder / "registry")) << "a restore only reads";
    placement->Save();
    const AnsiString rootFile = (folder / "registry" / "HKEY_CURRENT_USER.ini").string();
    EXPECT_EQ(GetDefaultRegKey(), "Software\\test_widgets");
    EXPECT_EQ(keys(GetDefaultRegKey() + "\\TfmProbe", rootFile), expected);
    form->SetBounds(0, 0, 100, 100);
    placement->Restore();
    EXPECT_EQ(form->BoundsRect(), Rect(40, 50, 340, 250));
    tk::setRegistryFolder("");
}

TEST_F(TFormPlacementTest, ARestoreAppliesOnlyACurrentVersionAtTheSamePixelsPerInch) {
    TIniFile ini(iniName);
    ini.WriteString("TfmProbe", "NormPos", "10,20,210,220");
    ini.WriteInteger("TfmProbe", "FormVersion", 1);
    placement->SetVersion(2);
    placement->Restore();
    EXPECT_EQ(form->Left(), 40) << "an older version is ignored";

    ini.WriteInteger("TfmProbe", "PixelsPerInch", 120);
    placement->SetVersion(1);
    placement->Restore();
    EXPECT_EQ(form->Left(), 40) << "saved at another pixels per inch";

    ini.WriteInteger("TfmProbe", "PixelsPerInch", 96);
    placement->Restore();
    EXPECT_EQ(form->Left(), 10);
    EXPECT_EQ(form->Width(), 200);
}

TEST_F(TFormPlacementTest, ADescendantStoresItsOwnValuesThroughTheNotifications) {
    delete placement;
    auto* own = new TSplitPlacement(form.get());
    own->SetIniFileName(iniName);
    std::vector<std::string> events;
    own->OnSavePlacement = [&](TPersistent*) { events.push_back("save"); };
    own->OnRestorePlacement = [&](TPersistent*) { events.push_back("restore " + own->split); };
    own->Restore();
    own->Save();
    EXPECT_TRUE(keys("TfmProbe").count("Split=120")) << "written while the save had the storage open";
    own->split = "0";
    own->Restore();
    EXPECT_EQ(own->split, "120");
    EXPECT_EQ(events, (std::vector<std::string>{"restore 120", "save", "restore 120"}));
}

TEST_F(TFormPlacementTest, TheFormsEventsRestoreBeforeItsOwnAndSaveOnlyWhenClosingIsAllowed) {
    TIniFile ini(iniName);
    ini.WriteString("TfmProbe", "NormPos", "10,20,210,220");
    std::vector<int> leftAtShow;
    form->OnShow = [&](TPersistent*) { leftAtShow.push_back(form->Left()); };
    bool allow = false;
    form->OnCloseQuery = [&](TPersistent*, bool& canClose) { canClose = allow; };
    placement->BeginLoading();
    placement->EndLoading();
    form->Show();
    Application->ProcessMessages();
    EXPECT_EQ(leftAtShow, std::vector<int>{10});

    ini.EraseSection("TfmProbe");
    form->Close();
    EXPECT_TRUE(keys("TfmProbe").empty());
    allow = true;
    form->Close();
    EXPECT_TRUE(keys("TfmProbe").count("Visible=0"));
}

TEST_F(TFormPlacementTest, AMinimisedMainFormMinimisesTheApplicationAndStaysNormal) {
    TIniFile(iniName).WriteInteger("TForm", "ShowCmd", SW_SHOWMINIMIZED);
    TForm* main = nullptr;
    Application->CreateForm(main);
    auto* mainPlacement = new TFormPlacement(main);
    mainPlacement->SetIniFileName(iniName);
    mainPlacement->BeginLoading();
    mainPlacement->EndLoading();
    main->Show();
    Application->ProcessMessages();
    EXPECT_TRUE(IsIconic(Application->Handle()));
    EXPECT_EQ(main->WindowState(), wsNormal);
    mainPlacement->Save();
    EXPECT_TRUE(keys("TForm").count("ShowCmd=2"));
    delete main;
}

// The fixture's form is the main form while there is none. A restore gives a linked grid its
// window before its layout; a minimised state read for the form, shown maximised, minimises it
// through the application and leaves its window as it was until then.
TEST_F(TFormPlacementTest, ARestoreGivesALinkedGridItsWindowAndMinimisesAShownMainFormWithoutShowingItNormal) {
    ASSERT_EQ(Application->MainForm(), nullptr);
    auto* grid = new TExDBGrid(form.get());
    grid->SetName("Grid1");
    grid->SetParent(form.get());
    grid->SetIniStorage(placement);
    placement->Restore();
    EXPECT_TRUE(grid->HandleAllocated()) << "the grid, never shown, has its window for the restore";

    form->Show();
    form->SetWindowState(wsMaximized);
    Application->ProcessMessages();
    TIniFile(iniName).WriteInteger("TfmProbe", "ShowCmd", SW_SHOWMINIMIZED);
    placement->Restore();
    WINDOWPLACEMENT shown;
    GetWindowPlacement(form->Handle(), &shown);
    EXPECT_EQ(shown.showCmd, unsigned(SW_SHOWMAXIMIZED)) << "not shown normal on the way";
    EXPECT_NE(form->BoundsRect(), Rect(40, 50, 340, 250));
    Application->ProcessMessages();
    EXPECT_TRUE(IsIconic(form->Handle()));
}

MINMAXINFO answerOf(TForm& form) {
    MINMAXINFO info;
    info.ptMaxPosition = Point(7, 7);
    form.Perform(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info;
}

TEST_F(TFormPlacementTest, PreventResizePinsTheSizeTakesTheMaximiseIconAndKeepsBordersFromSizing) {
    placement->BeginLoading();
    placement->EndLoading();
    form->Show();
    placement->SetPreventResize(true);
    TExWindowHook later(nullptr);
    later.SetWinControl(form.get());
    later.AfterMessage = [](TPersistent*, TMessage& message, bool&) {
        if (message.Msg == WM_NCHITTEST)
            message.Result = HTRIGHT;
    };
    EXPECT_EQ(answerOf(*form).ptMinTrackSize, Point(300, 200));
    EXPECT_EQ(answerOf(*form).ptMaxTrackSize, Point(300, 200));
    form->SetBounds(40, 50, 400, 100);
    EXPECT_EQ(form->BoundsRect(), Rect(40, 50, 340, 250));
    EXPECT_FALSE(form->BorderIcons() & biMaximize);
    EXPECT_EQ(form->Perform(WM_NCHITTEST, 0, 0), HTNOWHERE) << "the placement's filter runs after the later hook";

    placement->SetPreventResize(false);
    EXPECT_TRUE(form->BorderIcons() & biMaximize);
    EXPECT_EQ(answerOf(*form).ptMaxPosition, Point(7, 7)) << "nothing to answer: unhooked";
    TWinMinMaxInfo wanted(nullptr);
    wanted.SetMinTrackWidth(120);
    wanted.SetMaxSizeHeight(500);
    wanted.SetMaxTrackHeight(260);
    placement->SetMinMaxInfo(wanted);
    const MINMAXINFO answer = answerOf(*form);
    EXPECT_EQ(std::make_tuple(answer.ptMinTrackSize, answer.ptMaxSize.Y, answer.ptMaxTrackSize.Y, answer.ptMaxPosition),
              std::make_tuple(Point(120, 0), 500, 260, Point(7, 7)));
    form->SetBounds(40, 50, 100, 400);
    EXPECT_EQ(form->BoundsRect(), Rect(40, 50, 160, 310));
}

TEST_F(TFormPlacementTest, AGridsCustomisedColumnsComeBackInTheirOrderAndWidths) {
    TComponent owner(nullptr);
    tktest::MemoryDataSet data(&owner, {{"Id", ftInteger}, {"Name", ftString, 20}});
    data.addRow({Variant(1), Variant("Аптека")});
    TDataSource source(&owner);
    source.SetDataSet(&data);
    auto* grid = new TExDBGrid(form.get());
    grid->SetName("Grid1");
    grid->SetParent(form.get());
    grid->SetDataSource(&source);
    grid->SetIniStorage(placement);
    data.Open();
    grid->Columns()->Clear();
    for (const char* name : {"Id", "Name"})
        grid->Columns()->Add()->SetFieldName(name);
    grid->Columns()->Items(1)->SetIndex(0);
    grid->Columns()->Items(0)->SetWidth(150);
    const int idWidth = grid->Columns()->Items(1)->Width();
    placement->Restore();
    placement->Save();
    EXPECT_EQ(keys("TfmProbeGrid1"), (std::set<std::string>{"Grid1.Name=0,150", "Grid1.Id=1," + std::to_string(idWidth)}));

    grid->Columns()->Items(1)->SetIndex(0);
    grid->Columns()->Items(0)->SetWidth(30);
    grid->Columns()->Items(1)->SetWidth(30);
    placement->Restore();
    EXPECT_EQ(grid->Columns()->Items(0)->FieldName(), "Name");
    EXPECT_EQ(grid->Columns()->Items(0)->Width(), 150);
    EXPECT_EQ(grid->Columns()->Items(1)->Width(), idWidth);
    data.Close();
}

} // namespace
