// Start-up for the program's scenes.
#include "ProgramRun.h"

#include <chrono>
#include <filesystem>
#include <system_error>
#include <thread>

#include "app/ProgramDirectory.h"
#include "app/StartUp.h"
#include "app/TfmValdrenGIS.h"
#include "map/TDataMap.h"
#include "app/TfmSplash.h"
#include "toolkit/FilePath.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"

namespace shots {

bool startProgram(const std::function<void(TfmSplash&)>& AtWait) {
    const std::filesystem::path build = std::filesystem::path(tk::executableDirectory()) / ".." / "..";
    std::error_code error;
    if (!std::filesystem::exists(build / "data" / "mapdata.vdd", error))
        return false;
    std::filesystem::current_path(build, error);
    app::setProgramDirectory(build.string());
    app::startUp(AtWait);
    Application->MainForm()->Show();
    // Without a window manager nothing activates the window; taking the focus does.
    for (int round = 0; round < 50 && fmValdrenGIS->MinScale() == 0; ++round) {
        Application->ProcessMessages();
        fmValdrenGIS->DataMap1->SetFocus();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    Application->ProcessMessages();
    return true;
}

void dismissSplash(TfmSplash& Splash) { tk::input::key(Splash, VK_RETURN); }

void endProgram() { app::freeWindows(); }

} // namespace shots
