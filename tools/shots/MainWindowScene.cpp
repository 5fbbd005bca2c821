// The main-window scenes: the program after its start-up, maximised on the whole city, the rubric
// list filled and banner 1 shown; and the same with a menu open.
#include "ProgramRun.h"
#include "Scene.h"
#include "app/TfmValdrenGIS.h"
#include "toolkit/Screenshot.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"

static bool shotsSceneMainWindow(const std::string& pngPath);
static const shots::SceneRegistrar shotsRegistrarMainWindow("main-window", shotsSceneMainWindow);

static bool shotsSceneMainWindow(const std::string& pngPath) {
    if (!shots::startProgram(shots::dismissSplash))
        return false;
    Application->ProcessMessages();
    const bool saved = tk::saveScreenshot(*fmValdrenGIS, pngPath);
    shots::endProgram();
    return saved;
}

// The main window with its menu "Вид" opened by a click on the menu bar: the items with the keys
// that run them at their right.
static bool shotsSceneMenu(const std::string& pngPath);
static const shots::SceneRegistrar shotsRegistrarMenu("menu", shotsSceneMenu);

static bool shotsSceneMenu(const std::string& pngPath) {
    if (!shots::startProgram(shots::dismissSplash))
        return false;
    // "&Вид", the third title of the menu bar, at the top of the window.
    tk::input::click(*fmValdrenGIS, 110, 10);
    Application->ProcessMessages();
    const bool saved = tk::saveScreenshot(*fmValdrenGIS, pngPath);
    shots::endProgram();
    return saved;
}
