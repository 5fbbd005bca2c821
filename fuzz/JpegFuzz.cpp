// JPEG files as the picture reads them; one that loads is drawn stretched onto a small bitmap.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "toolkit/Exception.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TCanvas.h"
#include "toolkit/TJPEGImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMemoryStream stream = fuzz::streamOf(data, size);
    TJPEGImage image;
    try {
        image.LoadFromStream(stream);
    } catch (const Exception&) {
        return 0;
    }
    TBitmap target;
    target.SetSize(16, 16);
    target.Canvas()->StretchDraw(Rect(0, 0, 16, 16), image);
    return 0;
}
