// Measuring a text label with the canvas's font.
#include "map/CanvasTextMetrics.h"

#include "toolkit/TFont.h"

namespace mapi {

TSize CanvasTextMetrics::TextExtent(const TKEXMapText& text) const {
    TFont& font = *canvas_.Font();
    font.SetName(text.FontIndex == 1 ? options_.FontSystem1() : options_.FontSystem());
    font.SetHeight(text.Size);
    font.SetEscapement(0);
    font.SetOrientation(0);
    font.SetStyle({});
    font.SetCharset(RUSSIAN_CHARSET);
    return canvas_.TextExtent(text.Text.str());
}

} // namespace mapi
