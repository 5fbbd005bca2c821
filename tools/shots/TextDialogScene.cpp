// The text dialog scene: the map's text dialog on the first text of the sample city.
#include "MapSceneSupport.h"
#include "Scene.h"
#include "map/TDataMap.h"
#include "map/TKexTextForm.h"

SHOTS_SCENE(textdialog) {
    return shots::shootMapDialog(
        mapi::kindText, [](TDataMap& map) -> TForm& { return *map.TextForm(); },
        [](TDataMap& map) { map.TextForm()->Execute(&map); }, pngPath);
}
