// The data grid's shared glyph table.
#include "widgets/DBGridGlyphs.h"

#include <array>
#include <memory>

#include "toolkit/ShutdownSteps.h"
#include "toolkit/TBitmap.h"

namespace wg {

namespace {

constexpr std::array<const char*, gridGlyphCount> resourceNames = {
    "DBG_BLOB", "DBG_MEMO", "DBG_PICT", "DBG_OLE", "DBG_OBJECT", "DBG_DATA", "DBG_NOTEMPTY", "DBG_SMDOWN", "DBG_SMUP",
};

using GlyphTable = std::array<std::unique_ptr<TBitmap>, gridGlyphCount>;

std::unique_ptr<GlyphTable>& table() {
    static std::unique_ptr<GlyphTable> glyphs;
    return glyphs;
}

} // namespace

TBitmap& gridGlyph(GridGlyph index) {
    std::unique_ptr<GlyphTable>& glyphs = table();
    if (!glyphs) {
        auto loaded = std::make_unique<GlyphTable>();
        for (std::size_t i = 0; i < loaded->size(); ++i) {
            (*loaded)[i] = std::make_unique<TBitmap>();
            (*loaded)[i]->LoadFromResourceName(resourceNames[i]);
        }
        glyphs = std::move(loaded);
        tk::addShutdownStep([] { table().reset(); });
    }
    return *(*glyphs)[std::size_t(index)];
}

} // namespace wg
