// The note dialog scene: the map's note dialog, with its icon view, on the first note of the
// sample city.
#include "MapSceneSupport.h"
#include "Scene.h"
#include "map/TDataMap.h"
#include "map/TKexZametForm.h"

SHOTS_SCENE(notedialog) {
    return shots::shootMapDialog(
        mapi::kindZametka, [](TDataMap& map) -> TForm& { return *map.ZametForm(); },
        [](TDataMap& map) { map.ZametForm()->Execute(&map); }, pngPath);
}
