// The map is read with the program's own stream reader and written back with the tools' writer,
// so the patched stream is as valid as the one makecity wrote.
#include "makedb/MapCategoryPatch.h"

#include "citycategories/CityCategory.h"
#include "map/MapStreamReader.h"
#include "mapstream/MapStreamWriter.h"
#include "toolkit/TMemoryStream.h"

namespace makedb {

bool MapCategoryPatch::apply(const std::string& stream, std::string& out, std::string& error) {
    TMemoryStream in;
    in.Write(stream.data(), static_cast<int64_t>(stream.size()));
    in.Seek(0, TSeekOrigin::soBeginning);
    mapstream::MapDocument map;
    mapi::StreetDictionary names;
    const mapi::MapReadResult read = mapi::MapStreamReader(in).Read(map.Header, names, map.Objects);
    if (read.damaged) {
        error = "city map damaged: " + read.message;
        return false;
    }
    int house = -1;
    for (int i = 0; i < map.Objects.Count(); ++i) {
        const TKEXMapObjectMem& object = map.Objects[i];
        if (object.HasAddress() && (object.Category == city::cat::StoneHouse || object.Category == city::cat::WoodenHouse))
            house = i;
    }
    if (house < 0) {
        error = "city map has no addressed dwelling house";
        return false;
    }
    map.Objects[house].Category = kMissingCategory;
    objectId = static_cast<int32_t>(map.Objects[house].Id);
    map.Streets = names.Entries();
    out = mapstream::WriteMapStream(map);
    return true;
}

} // namespace makedb
