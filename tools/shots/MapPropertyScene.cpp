// The property frame scenes: the frame beside a map of the sample city, bound to it, showing a
// picked text (its text page) and a picked note (its icon view).
#include "MapSceneSupport.h"
#include "Scene.h"
#include "map/TDataMap.h"
#include "map/TDataMapProperty.h"
#include "toolkit/Screenshot.h"
#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"

#include <memory>

namespace {

using tk::fromUtf8;

bool shootFrame(std::uint8_t kind, const std::string& pngPath) {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetCaption(fromUtf8("Свойства объекта"));
    form->SetBounds(40, 40, 760, 564);
    TDataMap* map = shots::cityMap(*form, *form, 456, 556);
    if (map == nullptr)
        return false;
    auto* frame = new TDataMapProperty(form.get());
    frame->SetParent(form.get());
    frame->SetLeft(460);
    map->SetDatamapProperty(frame);
    form->Show();
    if (shots::pickFirstOfKind(*map, kind) < 0)
        return false;
    frame->LoadObject();
    map->Repaint();
    Application->ProcessMessages();
    return tk::saveScreenshot(*form, pngPath);
}

} // namespace

SHOTS_SCENE(propertytext) { return shootFrame(mapi::kindText, pngPath); }

SHOTS_SCENE(propertynote) { return shootFrame(mapi::kindZametka, pngPath); }
