// The main-window scene: the program after its start-up, maximised on the whole city, the rubric
// list filled and banner 1 shown.
#include "ProgramRun.h"
#include "Scene.h"
#include "app/TfmValdrenGIS.h"
#include "toolkit/Screenshot.h"
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
