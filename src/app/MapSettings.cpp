// The main window's map settings, applied as the window's layout applies them right after the map
// is constructed: nothing is drawn yet, so the options change with their change notice held.
#include "app/MapSettings.h"

#include "map/TDataMap.h"
#include "toolkit/AnsiString.h"

namespace app {

void applyMapSettings(TDataMap& map) {
    map.SetNameMap(tk::fromUtf8("Валдрен"));
    map.SetScale(100);
    map.SetMashtab(1644);
    map.SetScaleFind(800);
    map.SetTimerInterval(750);
    map.SetUseIndex(false);
    map.SetIndexSize(1000);
    tKexMapOptions& options = *map.Options();
    options.SetNotify(false);
    options.SetmpLocked(true);
    options.SetmpEdit(false);
    options.SetmpDelete(false);
    options.SetmpGrid(false);
    options.SetmpGuideLines(false);
    options.SetmpHint(false);
    options.SetmpNumberDom(true);
    options.SetmpNumberDomSizeFont(18);
    options.SetmpNumberDomFill(false);
    options.SetmpLinzaDouble(false);
    options.SetmpAllMapAfterLoad(true);
    options.SetmpNoScroll(false);
    options.SetRefreshLink(false);
    options.SetTexture(false);
    options.SetBorderSelectedObject(false);
    options.SetFontSystem("Arial Cyr");
    options.SetFontSystem1("Times New Roman Cyr");
    options.SetObjectView(6);
    options.SetSizeRect(4);
    options.SetStepLinza(1);
    options.SetDelayScroll(50);
    options.SetZoneScroll(20);
    options.SetMinScaleAddress(200);
    options.SetNotify(true);
}

} // namespace app
