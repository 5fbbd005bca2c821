// The scenes of the program's two dialogs as start-up makes them: the settings dialog with the
// file's values and the find dialog.
#include "ProgramRun.h"
#include "Scene.h"
#include "app/TfmFindObj.h"
#include "app/TfmParams.h"
#include "toolkit/Screenshot.h"
#include "toolkit/TApplication.h"

namespace {

// Shows the window start-up made, pictures it and hides it again.
bool drawWindow(TForm* (*window)(), const std::string& pngPath) {
    if (!shots::startProgram(shots::dismissSplash))
        return false;
    TForm& form = *window();
    form.Show();
    Application->ProcessMessages();
    const bool saved = tk::saveScreenshot(form, pngPath);
    form.Hide();
    shots::endProgram();
    return saved;
}

} // namespace

SHOTS_SCENE(params) {
    return drawWindow([]() -> TForm* { return fmParams; }, pngPath);
}

SHOTS_SCENE(findobj) {
    return drawWindow([]() -> TForm* { return fmFindObj; }, pngPath);
}
