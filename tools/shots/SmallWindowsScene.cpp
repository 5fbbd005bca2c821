// The scenes of the main window's banners, help and small windows in use: the find dialog with a
// street completed, the about box with a link under the mouse, the mini-map over the main window,
// the help opened by F1 and banner 2.
#include "ProgramRun.h"
#include "Scene.h"
#include "ShowActive.h"
#include "app/HelpWindows.h"
#include "app/TfmAbout.h"
#include "app/TfmFindObj.h"
#include "app/TfmSmall.h"
#include "app/TfmValdrenGIS.h"
#include "map/TDataMap.h"
#include "toolkit/Screenshot.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TButton.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TPanel.h"
#include "toolkit/WinApi.h"
#include "widgets/TExLabel.h"

namespace {

// Runs Draw on the started program and ends it again.
bool withProgram(const std::function<bool()>& draw) {
    if (!shots::startProgram(shots::dismissSplash))
        return false;
    const bool saved = draw();
    shots::endProgram();
    return saved;
}

} // namespace

SHOTS_SCENE(findcompletion) {
    return withProgram([&pngPath] {
        shots::showActive(*fmFindObj, *fmFindObj->cbStreet);
        for (const char* letter : {"л", "е"})
            tk::input::key(*fmFindObj, 0, 0, tk::fromUtf8(letter)[0]);
        Application->ProcessMessages();
        const bool saved = tk::saveScreenshot(*fmFindObj, pngPath);
        fmFindObj->Hide();
        return saved;
    });
}

SHOTS_SCENE(about) {
    return withProgram([&pngPath] {
        TfmAbout about(fmValdrenGIS);
        shots::showActive(about, *about.Button1);
        tk::input::move(*about.Panel1, about.ExLabel2->Left() + 10, about.ExLabel2->Top() + 4);
        Application->ProcessMessages();
        return tk::saveScreenshot(about, pngPath);
    });
}

SHOTS_SCENE(minimap) {
    return withProgram([&pngPath] {
        // Larger than its first size, as a user would pull it, so that the plan can be read.
        fmSmall->SetBounds(fmSmall->Left(), fmSmall->Top(), 400, 316);
        fmSmall->PlaceAtMap(*fmValdrenGIS->DataMap1);
        fmValdrenGIS->N17Click();
        fmValdrenGIS->DataMap1->SetScale(fmValdrenGIS->MinScale() * 3);
        Application->ProcessMessages();
        const TControl* above[] = {fmSmall};
        return tk::saveScreenshot(*fmValdrenGIS, above, pngPath);
    });
}

SHOTS_SCENE(f1help) {
    return withProgram([&pngPath] {
        tk::input::key(*fmValdrenGIS, VK_F1);
        Application->ProcessMessages();
        const HWND viewer = FindWindow(app::kHelpViewerClass, tk::fromUtf8(app::kProgramHelpTitle).c_str());
        if (viewer == 0)
            return false;
        const bool saved = tk::saveScreenshot(*FindControl(viewer), pngPath);
        SendMessage(viewer, WM_CLOSE, 0, 0);
        return saved;
    });
}

SHOTS_SCENE(banner2) {
    return withProgram([&pngPath] {
        fmValdrenGIS->NextBanner();
        Application->ProcessMessages();
        return tk::saveScreenshot(*fmValdrenGIS, pngPath);
    });
}
