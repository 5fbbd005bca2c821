// Start-up in process on a folder of its own, and the windows freed after each test.
#include "ProgramFixture.h"

#include <fstream>

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

void ProgramFixture::writeSettings(const std::string& text) {
    std::ofstream(dir_ / "ValInfo.ini", std::ios::binary) << text;
}

} // namespace apptest
