// Start-up in process on a folder of its own, and the windows freed after each test.
#include "ProgramFixture.h"

#include <fstream>

#include "engine/CeEngine.h"
#include "mapstream/MapStreamWriter.h"

#include "app/ProgramDirectory.h"
#include "app/StartUp.h"
#include "app/TfmSplash.h"
#include "app/TfmValdrenGIS.h"
#include "toolkit/Process.h"
#include "toolkit/Shell.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"

namespace apptest {

namespace fs = std::filesystem;

int RecordingPresenter::messageBox(const AnsiString& text, const AnsiString&, unsigned) {
    ADD_FAILURE() << "message box: " << tk::toUtf8(text);
    return IDCANCEL;
}
bool RecordingPresenter::chooseColor(TColor&, TStrings&) { return false; }
bool RecordingPresenter::login(const AnsiString&, AnsiString&, AnsiString&) { return false; }
TMenuItem* RecordingPresenter::trackPopup(TPopupMenu&, int, int) { return nullptr; }

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
    freeWindows();
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

void ProgramFixture::freeWindows() { app::freeWindows(); }

void ProgramFixture::showMainWindow() {
    Application->MainForm()->Show();
    // The first activation's work is done when the minimum scale is known.
    for (int round = 0; round < 50 && fmValdrenGIS->MinScale() == 0; ++round)
        Application->ProcessMessages();
    ASSERT_NE(fmValdrenGIS->MinScale(), 0) << "the main window was never activated";
}

void ProgramFixture::useCityWithMashtab(int Mashtab) {
    const fs::path database = dir_ / "data" / "mapdata.vdd";
    fs::remove(database);
    fs::copy_file(fs::path(BUILD_DIR) / "data" / "mapdata.vdd", database);
    mapstream::MapDocument document;
    document.Header.Version = 6;
    document.Header.Scale = 100;
    document.Header.Mashtab = Mashtab;
    const std::string bytes = mapstream::WriteMapStream(document);
    CEHANDLE connection = 0;
    CEHANDLE update = 0;
    ASSERT_EQ(CeConnect60(database.string().c_str(), 1, "USER", "valdren", 0, &connection), 0u);
    ASSERT_EQ(CeCreateSQLStatement(connection, &update), 0u);
    ASSERT_EQ(CePrepareSQL(update, "UPDATE city SET citymap = :Map"), 0u);
    const auto size = uint32_t(bytes.size());
    ASSERT_EQ(CeSetBinary(update, CE_FIELDNO(1), 6, size, 0, bytes.data(), size), 0u);
    ASSERT_EQ(CeExecuteSQL(update, nullptr), 0u);
    ASSERT_EQ(CeCloseSQLStatement(update), 0u);
    ASSERT_EQ(CeDisconnect(connection), 0u);
}

void ProgramFixture::useDatabaseWith(const std::vector<AnsiString>& Statements) {
    const fs::path database = dir_ / "data" / "mapdata.vdd";
    fs::remove(database);
    fs::copy_file(fs::path(BUILD_DIR) / "data" / "mapdata.vdd", database);
    CEHANDLE connection = 0;
    ASSERT_EQ(CeConnect60(database.string().c_str(), 1, "USER", "valdren", 0, &connection), 0u);
    for (const AnsiString& sql : Statements) {
        CEHANDLE statement = 0;
        ASSERT_EQ(CeCreateSQLStatement(connection, &statement), 0u);
        EXPECT_EQ(CeExecuteSQLDirect(statement, sql.c_str(), nullptr), 0u) << tk::toUtf8(sql);
        ASSERT_EQ(CeCloseSQLStatement(statement), 0u);
    }
    ASSERT_EQ(CeDisconnect(connection), 0u);
}

void ProgramFixture::writeSettings(const std::string& text) {
    std::ofstream(dir_ / "ValInfo.ini", std::ios::binary) << text;
}

} // namespace apptest
