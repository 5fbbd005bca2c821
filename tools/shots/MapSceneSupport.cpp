// The sample city for the map scenes, and modal dialogs caught on screen.
#include "MapSceneSupport.h"

#include "map/TDataMap.h"
#include "map/TKEXMapObjectMem.h"
#include "map/TKexMapList.h"
#include "toolkit/FilePath.h"
#include "toolkit/Screenshot.h"
#include "toolkit/TApplication.h"
#include "toolkit/TFileStream.h"
#include "toolkit/TForm.h"
#include "toolkit/WinApi.h"

namespace shots {

TDataMap* cityMap(TForm& owner, TWinControl& parent, int width, int height) {
    // The tool lies in tools/shots of the build; the build writes the city to data/.
    const AnsiString path = tk::executableDirectory() + "../../data/city.map";
    if (!FileExists(path))
        return nullptr;
    auto* map = new TDataMap(&owner);
    map->SetParent(&parent);
    map->SetBounds(0, 0, width, height);
    TFileStream stream(path, fmOpenRead);
    map->LoadFromStream(stream);
    return map;
}

int pickFirstOfKind(TDataMap& map, std::uint8_t kind) {
    const TKexMapList& objects = map.Model().Objects();
    // An unlocked object shows the controls enabled; a locked one serves when there is no other.
    int found = -1;
    for (int i = 0; i < objects.Count() && (found < 0 || objects[found].Locked != 0); ++i)
        if (objects[i].Kind == kind && (found < 0 || objects[i].Locked == 0))
            found = i;
    if (found < 0)
        return -1;
    const TKEXMapObjectMem& record = objects[found];
    map.ZoomAtPoint(100, record.Center.x, record.Center.y);
    map.LoadEditObject(found);
    map.SetSelectedObject(true);
    map.RefreshMap();
    return found;
}

bool shootMapDialog(std::uint8_t kind, const std::function<TForm&(TDataMap&)>& dialog,
                    const std::function<void(TDataMap&)>& execute, const std::string& pngPath) {
    TForm host(nullptr);
    TDataMap* map = cityMap(host, host, 400, 300);
    if (map == nullptr || pickFirstOfKind(*map, kind) < 0)
        return false;
    TForm& shown = dialog(*map);
    bool written = false;
    Application->OnMessage = [&](TMsg&, bool&) {
        if (!shown.Visible() || shown.ModalResult() != mrNone)
            return;
        written = tk::saveScreenshot(shown, pngPath);
        shown.SetModalResult(mrOk);
    };
    // Handled inside the modal loop, once the dialog shows.
    PostMessage(shown.Handle(), WM_USER, 0, 0);
    execute(*map);
    Application->OnMessage = nullptr;
    return written;
}

} // namespace shots
