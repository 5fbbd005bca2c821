// The splash scene: the splash at its wait, the bar full, "Далее >>" and the contact line shown.
#include "ProgramRun.h"
#include "Scene.h"
#include "app/TfmSplash.h"
#include "toolkit/Screenshot.h"
#include "toolkit/TApplication.h"

SHOTS_SCENE(splash) {
    bool saved = false;
    const bool started = shots::startProgram([&](TfmSplash& splash) {
        Application->ProcessMessages();
        saved = tk::saveScreenshot(splash, pngPath);
        shots::dismissSplash(splash);
    });
    shots::endProgram();
    return started && saved;
}
