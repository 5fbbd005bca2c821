// The measure scene: the zoomed map with a measured line of two legs and its distance in the
// status bar.
#include "ProgramRun.h"
#include "Scene.h"
#include "app/TfmValdrenGIS.h"
#include "map/TDataMap.h"
#include "toolkit/Screenshot.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"

SHOTS_SCENE(measure) {
    if (!shots::startProgram(shots::dismissSplash))
        return false;
    TDataMap& map = *fmValdrenGIS->DataMap1;
    fmValdrenGIS->SpeedButton6Click();
    map.SetScale(60);
    const auto& extent = map.Model().MapExtent;
    map.SetXWind((extent.x1 + extent.x2) / 2 - map.ViewWidth() / 2);
    map.SetYWind((extent.y1 + extent.y2) / 2 - map.ViewHeight() / 2);
    const int cx = map.Width() / 2, cy = map.Height() / 2;
    tk::input::click(map, cx - 150, cy + 60);
    tk::input::move(map, cx + 40, cy - 80);
    tk::input::click(map, cx + 40, cy - 80);
    tk::input::move(map, cx + 170, cy + 10);
    Application->ProcessMessages();
    const bool saved = tk::saveScreenshot(*fmValdrenGIS, pngPath);
    shots::endProgram();
    return saved;
}
