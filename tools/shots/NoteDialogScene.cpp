// The note dialog scene: the map's note dialog, with its icon view, on the first note of the
// sample city.
#include "MapSceneSupport.h"
#include "Scene.h"
#include "map/TDataMap.h"
#include "map/TKexZametForm.h"
#include "toolkit/TForm.h"

#include <memory>

SHOTS_SCENE(notedialog) {
    auto host = std::make_unique<TForm>(nullptr);
    TDataMap* map = shots::cityMap(*host, *host, 400, 300);
    if (map == nullptr || shots::pickFirstOfKind(*map, mapi::kindZametka) < 0)
        return false;
    TKexZametForm& dialog = *map->ZametForm();
    return shots::shootModal(dialog, [&] { dialog.Execute(map); }, pngPath);
}
