// Measuring a text label with the canvas's font.
#include "map/CanvasTextMetrics.h"

#include "toolkit/TFont.h"

namespace mapi {

PixelSize CanvasTextMetrics::TextExtent(const TKEXMapText& text) const {
    TFont& font = *canvas_.Font();
    font.SetName(text.FontIndex == 1 ? options_.FontSystem1() : options_.FontSystem());
    font.SetHeight(text.Size);
    font.SetEscapement(0);
    font.SetOrientation(0);
    font.SetStyle({});
    font.SetCharset(RUSSIAN_CHARSET);
    const TSize extent = canvas_.TextExtent(text.Text.str());
    return {extent.cx, extent.cy};
}

} // namespace mapi
