// The balloon scenes: the left button held on the busiest building of the sample city, with the
// balloon's tail up (the building in the upper half of the map) and down (near the map's bottom).
#include "ProgramRun.h"
#include "Scene.h"
#include "app/TfmHint.h"
#include "app/TfmValdrenGIS.h"
#include "map/TDataMap.h"
#include "support/SampleQueries.h"
#include "support/MapTargets.h"
#include "toolkit/Screenshot.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"

namespace {

bool drawBalloon(const std::string& pngPath, bool tailDown) {
    if (!shots::startProgram(shots::dismissSplash))
        return false;
    TDataMap& map = *fmValdrenGIS->DataMap1;
    map.SetScale(200);
    const testsupport::Address busiest = testsupport::busiestAddresses("DbConnection1", 1).at(0);
    const int index = map.Model().FindObjectByAddress(-1, busiest.street, busiest.house);
    const TPoint at = Point(map.Width() / 3, tailDown ? map.Height() - 60 : map.Height() / 3);
    bool saved = false;
    if (testsupport::centreObjectAt(map, index, at)) {
        tk::input::press(map, mbLeft, at.X, at.Y);
        Application->ProcessMessages();
        const TControl* above[] = {fmValdrenGIS->fmHint};
        saved = tk::saveScreenshot(*fmValdrenGIS, above, pngPath);
        tk::input::release(map, mbLeft, at.X, at.Y);
        Application->ProcessMessages();
    }
    shots::endProgram();
    return saved;
}

bool balloonTailUp(const std::string& pngPath) { return drawBalloon(pngPath, /*tailDown=*/false); }
bool balloonTailDown(const std::string& pngPath) { return drawBalloon(pngPath, /*tailDown=*/true); }

const shots::SceneRegistrar tailUp("balloon", balloonTailUp);
const shots::SceneRegistrar tailDown("balloon-tail-down", balloonTailDown);

} // namespace
