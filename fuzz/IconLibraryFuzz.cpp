// Icon-library streams as the map reads them; every icon that loaded is decoded and looked up.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "map/TKexIconList.h"
#include "toolkit/Exception.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMemoryStream stream = fuzz::streamOf(data, size);
    TKexIconList icons;
    try {
        icons.LoadFromStream(stream);
    } catch (const Exception&) {
        // The icons read before the damage stay and are read below.
    }
    for (int i = 0; i < icons.Count(); ++i) {
        if (const TBitmap* bitmap = icons.GetBitmapByIndex(i))
            (void)bitmap->Width();
    }
    (void)icons.GetBitmap("1");
    return 0;
}
