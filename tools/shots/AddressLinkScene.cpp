// The address-link scene: the busiest building of the sample city picked, then the first firm's
// card link to its branch at another address followed: the map zoomed to that building, drawn red.
#include "ProgramRun.h"
#include "Scene.h"
#include "app/TfmValdrenGIS.h"
#include "data/TDbQuery.h"
#include "map/TDataMap.h"
#include "support/SampleQueries.h"
#include "support/CardRtf.h"
#include "support/MapTargets.h"
#include "toolkit/Screenshot.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TField.h"
#include "widgets/TRichEditWithLinks.h"

namespace {

// The first branch of the firm away from the address, as its card's link shows it ("street, house").
AnsiString otherBranch(const AnsiString& office, const testsupport::Address& away) {
    for (const testsupport::Row& branch :
         testsupport::queryRows("DbConnection1", "select Street, House from Branch where Office_Id = " + office))
        if (branch[0] != away.street || branch[1] != away.house)
            return branch[0] + ", " + branch[1];
    return AnsiString();
}

bool followAddressLink(TfmValdrenGIS& window) {
    TDataMap& map = *window.DataMap1;
    map.SetScale(200);
    const testsupport::Address busiest = testsupport::busiestAddresses("DbConnection1", 1).at(0);
    const TPoint at = Point(map.Width() / 2, map.Height() / 2);
    if (!testsupport::centreObjectAt(map, map.Model().FindObjectByAddress(-1, busiest.street, busiest.house), at))
        return false;
    tk::input::click(map, at.X, at.Y);
    Application->ProcessMessages();
    window.qObjInfo->First();
    const AnsiString link = otherBranch(window.qObjInfo->FieldByName("Office_Id")->AsString(), busiest);
    TRichEditWithLinks& card = *window.CardAt(0, 0);
    const int position = testsupport::textPosition(card, link);
    if (link.empty() || position < 0)
        return false;
    card.OnHyperlinkClicked(&card, position, position + int(link.size()), link);
    Application->ProcessMessages();
    return true;
}

} // namespace

static bool shotsSceneAddressLink(const std::string& pngPath);
static const shots::SceneRegistrar shotsRegistrarAddressLink("address-link", shotsSceneAddressLink);

static bool shotsSceneAddressLink(const std::string& pngPath) {
    if (!shots::startProgram(shots::dismissSplash))
        return false;
    const bool saved = followAddressLink(*fmValdrenGIS) && tk::saveScreenshot(*fmValdrenGIS, pngPath);
    shots::endProgram();
    return saved;
}
