// BMP files as a bitmap reads them; one that loads is read back, written and read again.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "toolkit/Exception.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TCanvas.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMemoryStream stream = fuzz::streamOf(data, size);
    TBitmap bitmap;
    try {
        bitmap.LoadFromStream(stream);
    } catch (const Exception&) {
        return 0;
    }
    if (bitmap.Width() > 0 && bitmap.Height() > 0)
        (void)bitmap.Canvas()->Pixels(bitmap.Width() - 1, bitmap.Height() - 1);
    TMemoryStream copy;
    bitmap.SaveToStream(copy);
    copy.SetPosition(0);
    TBitmap again;
    again.LoadFromStream(copy);
    return 0;
}
