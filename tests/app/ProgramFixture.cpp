// Start-up in process on a folder of its own, the windows freed after each test, and the main
// window's readings shared by its suites.
#include "ProgramFixture.h"

#include "engine/CeEngine.h"
#include "mapstream/MapStreamWriter.h"

#include "app/ProgramDirectory.h"
#include "app/StartUp.h"
#include "app/TfmSplash.h"
#include "app/TfmValdrenGIS.h"
#include "map/TDataMap.h"
#include "support/SampleQueries.h"
#include "toolkit/Process.h"
#include "toolkit/Shell.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TStatusBar.h"
#include "toolkit/TStatusPanels.h"
#include "toolkit/TStringList.h"
#include "toolkit/WinApi.h"
#include "widgets/TEmiStringGrid.h"

namespace apptest {

namespace fs = std::filesystem;

int TestPresenter::messageBox(const AnsiString& text, const AnsiString& caption, unsigned flags) {
    boxes.push_back({text, caption, flags});
    return IDOK;
}
bool TestPresenter::chooseColor(TColor& color, TStrings& colors) {
    customColors.clear();
    for (int i = 0; i < colors.Count(); ++i)
        customColors.push_back(colors.Strings(i));
    if (colourChosen)
        color = *colourChosen;
    return colourChosen.has_value();
}
bool TestPresenter::login(const AnsiString&, AnsiString&, AnsiString&) { return false; }
TMenuItem* TestPresenter::trackPopup(TPopupMenu&, int, int) { return nullptr; }

ProgramFixture::ProgramFixture() {
    const fs::path build(BUILD_DIR);
    fs::create_directory(dir_ / "data");
    fs::create_symlink(build / "data" / "mapdata.vdd", dir_ / "data" / "mapdata.vdd");
    fs::create_directory_symlink(build / "help", dir_ / "help");
    fs::create_directory_symlink(build / "adv", dir_ / "adv");
    previousDirectory_ = fs::current_path();
    fs::current_path(dir_.path());
    app::setProgramDirectory(dir_.path().string());
    tk::setDialogPresenter(&presenter_);
    tk::setShellOpener([this](const AnsiString& target) {
        opened_.push_back(target);
        return true;
    });
    tk::setHaltHandler([](int code) { FAIL() << "the program halted with " << code; });
}

ProgramFixture::~ProgramFixture() {
    // Help viewers outlive the windows; none is left for the next test.
    for (HWND viewer; (viewer = FindWindow("HH Parent", nullptr)) != 0;)
        SendMessage(viewer, WM_CLOSE, 0, 0);
    app::freeWindows();
    for (const TestPresenter::Box& box : presenter_.boxes)
        ADD_FAILURE() << "message box: " << tk::toUtf8(box.text);
    tk::setHaltHandler(nullptr);
    tk::setShellOpener(nullptr);
    tk::setDialogPresenter(nullptr);
    app::setProgramDirectory("");
    fs::current_path(previousDirectory_);
}

void ProgramFixture::startProgram(const std::function<void(TfmSplash&)>& Dismiss) {
    app::startUp([&Dismiss](TfmSplash& splash) {
        if (Dismiss)
            Dismiss(splash);
        else
            tk::input::key(splash, VK_RETURN);
    });
}

void ProgramFixture::showMainWindow() {
    Application->MainForm()->Show();
    // The first activation's work is done when the minimum scale is known.
    for (int round = 0; round < 50 && fmValdrenGIS->MinScale() == 0; ++round)
        Application->ProcessMessages();
    ASSERT_NE(fmValdrenGIS->MinScale(), 0) << "the main window was never activated";
}

namespace {

CEHANDLE connectToCopy(const fs::path& folder) {
    const fs::path database = folder / "data" / "mapdata.vdd";
    fs::remove(database);
    fs::copy_file(fs::path(BUILD_DIR) / "data" / "mapdata.vdd", database);
    CEHANDLE connection = 0;
    EXPECT_EQ(CeConnect60(database.string().c_str(), 1, "USER", "valdren", 0, &connection), 0u);
    return connection;
}

} // namespace

void ProgramFixture::useCityWithMashtab(int Mashtab) {
    mapstream::MapDocument document;
    document.Header.Version = 6;
    document.Header.Scale = 100;
    document.Header.Mashtab = Mashtab;
    useCityMap(mapstream::WriteMapStream(document));
}

void ProgramFixture::useCityMap(const std::string& Bytes) {
    const CEHANDLE connection = connectToCopy(dir_.path());
    CEHANDLE update = 0;
    ASSERT_EQ(CeCreateSQLStatement(connection, &update), 0u);
    ASSERT_EQ(CePrepareSQL(update, "UPDATE city SET citymap = :Map"), 0u);
    const auto size = uint32_t(Bytes.size());
    ASSERT_EQ(CeSetBinary(update, CE_FIELDNO(1), 6, size, 0, Bytes.data(), size), 0u);
    ASSERT_EQ(CeExecuteSQL(update, nullptr), 0u);
    ASSERT_EQ(CeCloseSQLStatement(update), 0u);
    ASSERT_EQ(CeDisconnect(connection), 0u);
}

void ProgramFixture::useDatabaseWith(const std::vector<AnsiString>& Statements) {
    const CEHANDLE connection = connectToCopy(dir_.path());
    for (const AnsiString& sql : Statements) {
        CEHANDLE statement = 0;
        ASSERT_EQ(CeCreateSQLStatement(connection, &statement), 0u);
        EXPECT_EQ(CeExecuteSQLDirect(statement, sql.c_str(), nullptr), 0u) << tk::toUtf8(sql);
        ASSERT_EQ(CeCloseSQLStatement(statement), 0u);
    }
    ASSERT_EQ(CeDisconnect(connection), 0u);
}

void ProgramFixture::expectOneBox(const char* text, const char* caption, unsigned flags) {
    ASSERT_EQ(presenter_.boxes.size(), 1u);
    const TestPresenter::Box box = presenter_.boxes.front();
    presenter_.boxes.clear();
    EXPECT_EQ(box.text, ru(text));
    EXPECT_EQ(box.caption, ru(caption));
    EXPECT_EQ(box.flags, flags);
}

void MainWindowFixture::SetUp() {
    startProgram();
    showMainWindow();
    w = fmValdrenGIS;
    map = w->DataMap1;
}

void MainWindowFixture::answerModal(TForm& Form, const std::function<void()>& Answer,
                                    const std::function<void()>& Open) {
    Form.OnShow = [&Answer](TPersistent*) { Answer(); };
    Open();
    Form.OnShow = nullptr;
}

AnsiString MainWindowFixture::panel(int index) const { return w->StatusBar1->Panels()->Items(index)->Text(); }

const TKEXMapObjectMem& MainWindowFixture::object(int index) const { return map->Model().Objects()[index]; }

bool MainWindowFixture::isRed(int index) const {
    const TKEXMapObjectMem& o = object(index);
    return o.Brush.Color == 0x000000FFu && o.Pen.Color == 0u && o.Pen.Width == 1;
}

std::vector<AnsiString> MainWindowFixture::column(const AnsiString& sql) {
    std::vector<AnsiString> values;
    for (const testsupport::Row& row : testsupport::queryRows("DbConnection1", sql))
        values.push_back(row.at(0));
    return values;
}

std::vector<AnsiString> MainWindowFixture::firmsOfRubric(const AnsiString& rubric) {
    return column("select O.Name from Office O, OfficeTopics OT, Topic T where T.Name = '" + rubric +
                  "' and OT.Topic_Id = T.Topic_Id and O.Office_Id = OT.Office_Id order by O.Name");
}

std::vector<AnsiString> MainWindowFixture::listed() const {
    std::vector<AnsiString> names;
    for (int row = 0; row < w->StringGrid1->RowCount() && w->CardAt(0, row); ++row)
        names.push_back(w->StringGrid1->Cells(0, row));
    return names;
}

} // namespace apptest
