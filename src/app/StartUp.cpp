// The start-up order is fixed: each step completes before the next begins. With
// VALDREN_STARTUP_TIMING set, every step's milliseconds go to standard error.
#include "app/StartUp.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "app/FailureGuard.h"
#include "app/ProgramDirectory.h"
#include "app/TfmFindObj.h"
#include "app/TfmParams.h"
#include "app/TfmSmall.h"
#include "app/TfmSplash.h"
#include "app/TfmValdrenGIS.h"
#include "toolkit/FilePath.h"
#include "toolkit/TApplication.h"
#include "toolkit/TImage.h"
#include "toolkit/TButton.h"
#include "toolkit/TPanel.h"
#include "toolkit/TProgressBar.h"
#include "toolkit/WinApi.h"

namespace app {
namespace {

// Reports the milliseconds since the previous report, when the switch is on.
class StepTimer {
public:
    void step(const char* name) {
        const auto now = std::chrono::steady_clock::now();
        if (on_)
            std::fprintf(stderr, "start-up: %-24s %8.1f ms\n", name,
                         std::chrono::duration<double, std::milli>(now - last_).count());
        last_ = now;
    }

private:
    bool on_ = std::getenv("VALDREN_STARTUP_TIMING") != nullptr;
    std::chrono::steady_clock::time_point last_ = std::chrono::steady_clock::now();
};

// Handles messages until the splash window is gone or hidden; waits for messages, never spins.
void waitForSplash() {
    for (;;) {
        const HWND splash = FindWindow("TfmSplash", "fmSplash");
        if (splash == 0 || !IsWindowVisible(splash))
            return;
        Application->HandleMessage();
    }
}

void bringUp(const std::function<void(TfmSplash&)>& atWait) {
    StepTimer timer;
    fmSplash = new TfmSplash(Application);
    fmSplash->Show();
    fmSplash->Repaint();
    fmSplash->Image1->Repaint();
    fmSplash->ProgressBar1->StepIt();
    timer.step("splash");
    Application->CreateForm(fmValdrenGIS);
    timer.step("main window");
    Application->CreateForm(fmParams);
    fmSplash->ProgressBar1->StepIt();
    timer.step("settings window");
    fmValdrenGIS->LoadCityMap();
    fmSplash->ProgressBar1->StepIt();
    fmSplash->Repaint();
    timer.step("city map");
    Application->CreateForm(fmFindObj);
    Application->CreateForm(fmSmall);
    fmSplash->ProgressBar1->StepIt();
    fmSplash->ProgressBar1->StepIt();
    timer.step("find and mini-map");
    fmSplash->Button1->Show();
    fmSplash->Panel4->Show();
    fmSplash->Image1->OnClick = [](TPersistent*) { fmSplash->Button1Click(); };
    if (atWait)
        atWait(*fmSplash);
    waitForSplash();
    delete fmSplash;
}

} // namespace

void startUp(const std::function<void(TfmSplash&)>& AtWait) {
    Application->Initialize();
    Application->SetTitle(tk::fromUtf8("ВалдренИнфо"));
    // The database, help and advertiser paths are relative; they resolve beside the program from
    // whatever folder it was started, a desktop launcher's included.
    SetCurrentDir(programDirectory());
    runGuarded([&AtWait] { bringUp(AtWait); });
}

void freeWindows() {
    delete fmSmall;
    delete fmFindObj;
    delete fmParams;
    delete fmValdrenGIS;
    Application->ProcessMessages();
}

int runProgram() {
    startUp();
    Application->Run();
    tk::shutDownApplication();
    return 0;
}

} // namespace app
