// The data grid's pictures: the nine cell and title glyphs, loaded from the program's bitmap
// resources on first use into one table that every grid shares until the application shuts
// down, and the names of the two multi-selection indicator pictures.
#pragma once

class TBitmap;

namespace wg {

// Indices of the shared table, in the order of their resources.
enum GridGlyph {
    glyphBlob,
    glyphMemo,
    glyphPicture,
    glyphOle,
    glyphObject,
    glyphData,
    glyphNotEmpty,
    glyphSortDown,
    glyphSortUp,
    gridGlyphCount,
};

// Loads the table when it is first asked for; raises EResNotFound when a resource is missing.
TBitmap& gridGlyph(GridGlyph index);

constexpr const char* IndicatorDotResource = "DBG_MSDOT";
constexpr const char* IndicatorArrowResource = "DBG_MSARROW";

} // namespace wg
