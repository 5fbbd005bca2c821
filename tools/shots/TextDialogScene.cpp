// The text dialog scene: the map's text dialog on the first text of the sample city.
#include "MapSceneSupport.h"
#include "Scene.h"
#include "map/TDataMap.h"
#include "map/TKexTextForm.h"
#include "toolkit/TForm.h"

#include <memory>

SHOTS_SCENE(textdialog) {
    auto host = std::make_unique<TForm>(nullptr);
    TDataMap* map = shots::cityMap(*host, *host, 400, 300);
    if (map == nullptr || shots::pickFirstOfKind(*map, mapi::kindText) < 0)
        return false;
    TKexTextForm& dialog = *map->TextForm();
    return shots::shootModal(dialog, [&] { dialog.Execute(map); }, pngPath);
}
