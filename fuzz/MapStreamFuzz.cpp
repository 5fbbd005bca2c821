// Map streams as the map loads them, then used as the control uses them: the grid index, hit
// tests, region selection and the look-ups by id, address and street name.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzSupport.h"
#include "map/MapModel.h"
#include "map/TKexMapIndex.h"
#include "map/TKexMapList.h"

namespace {

constexpr int kObjectLimit = 8;

class Context : public mapi::ViewContext {
public:
    bool IsEditing() const override { return true; }
    int Scale() const override { return 100; }
    TSize NoteIconSize(const TKEXMapZametka&) const override { return {32, 32}; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMemoryStream stream = fuzz::streamOf(data, size);
    mapi::MapModel model;
    model.LoadFromStream(stream); // damage ends the reading, never the load
    model.SetUseIndex(true);
    const mapi::WorldRect e = model.MapExtent;
    (void)model.Content().Index.Query(e.x1, e.y1, e.x2, e.y2);
    const Context context;
    (void)model.HitTest((e.x1 + e.x2) / 2, (e.y1 + e.y2) / 2, context);
    const std::vector<mapi::WorldPoint> region{{e.x1, e.y1}, {e.x2, e.y1}, {e.x2, e.y2}, {e.x1, e.y2}};
    (void)model.ObjectsInRegion(region);
    const TKexMapList& objects = model.Objects();
    for (int i = 0; i < objects.Count() && i < kObjectLimit; ++i) {
        const TKEXMapObjectMem& record = objects[i];
        (void)model.HitTest(record.Center.x, record.Center.y, context);
        (void)model.FindObjectById(record.Id);
        if (!record.Address)
            continue;
        const AnsiString street = model.GetStreetName(record.Address->StreetId);
        (void)model.FindStreetId(street);
        (void)model.FindObjectByAddress(record.Category, street, record.Address->House.str());
    }
    return 0;
}
