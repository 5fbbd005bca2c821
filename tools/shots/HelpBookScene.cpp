// The help-book scene: the program's help opened from the running program, on its first page.
#include "ProgramRun.h"
#include "Scene.h"
#include "toolkit/Messages.h"
#include "toolkit/Screenshot.h"
#include "toolkit/Shell.h"
#include "toolkit/TApplication.h"
#include "toolkit/WinApi.h"

static bool shotsSceneHelpBook(const std::string& pngPath);
static const shots::SceneRegistrar shotsRegistrarHelpBook("help-book", shotsSceneHelpBook);

static bool shotsSceneHelpBook(const std::string& pngPath) {
    if (!shots::startProgram(shots::dismissSplash))
        return false;
    ShellExecute(0, "open", "help\\valinfo.chm", nullptr, nullptr, SW_SHOWNORMAL);
    Application->ProcessMessages();
    const HWND viewer = FindWindow("HH Parent", tk::fromUtf8("Справочная система ВалдренИнфо").c_str());
    const bool saved = viewer != 0 && tk::saveScreenshot(*FindControl(viewer), pngPath);
    if (viewer != 0)
        SendMessage(viewer, WM_CLOSE, 0, 0);
    shots::endProgram();
    return saved;
}
