// Draws every picture and encodes it in the form its reader expects: icons as 8-bit BMPs inside
// the icon library stream, cursors as cursor files, bitmaps and banners as BMP files, the splash
// picture as a JPEG file.
#include "makepictures/PictureSet.h"

#include "makepictures/AboutPicturePainter.h"
#include "makepictures/BannerPainter.h"
#include "makepictures/CursorFile.h"
#include "makepictures/CursorPainter.h"
#include "makepictures/Drawing.h"
#include "makepictures/GlyphPainter.h"
#include "makepictures/GridGlyphPainter.h"
#include "makepictures/IconLibraryStream.h"
#include "makepictures/IconPainter.h"
#include "makepictures/IndexedBmp.h"
#include "makepictures/JpegFile.h"
#include "makepictures/SplashPainter.h"
#include "makepictures/ToolBarGlyphs.h"
#include "makepictures/WidgetCursorPainter.h"
#include "toolkit/TMemoryStream.h"

namespace pictures {
namespace {

// High enough that the splash's text keeps clean edges.
constexpr int kSplashQuality = 92;

std::string bmpFile(const TBitmap& bitmap) {
    TMemoryStream stream;
    bitmap.SaveToStream(stream);
    return std::string(stream.Memory(), static_cast<size_t>(stream.Size()));
}

} // namespace

std::vector<ResourceFile> builtInPictures() {
    const SmoothText smooth;
    std::vector<ResourceFile> files;

    std::vector<LibraryIcon> icons;
    for (int i = 0; i < kIconCount; ++i) {
        TBitmap bitmap;
        bitmap.SetSize(kIconSize, kIconSize);
        paintIcon(i, *bitmap.Canvas());
        icons.push_back({std::to_string(i), kIconTransparent, true, indexedBmp(bitmap)});
    }
    files.push_back({"ICONLIB/ICON.bin", iconLibraryStream("Default", icons)});

    const auto cursors = mapCursors();
    for (size_t i = 0; i < cursors.size(); ++i) {
        TBitmap bitmap;
        bitmap.SetSize(kCursorSize, kCursorSize);
        paintCursor(static_cast<int>(i), *bitmap.Canvas());
        files.push_back({std::string("CURSOR/") + cursors[i].name + ".cur",
                         cursorFile(bitmap, kCursorTransparent, cursors[i].hotspot)});
    }

    const auto widgetCursorSet = widgetCursors();
    for (size_t i = 0; i < widgetCursorSet.size(); ++i) {
        TBitmap bitmap;
        bitmap.SetSize(kCursorSize, kCursorSize);
        paintWidgetCursor(static_cast<int>(i), *bitmap.Canvas());
        files.push_back({std::string("CURSOR/") + widgetCursorSet[i].name + ".cur",
                         cursorFile(bitmap, kCursorTransparent, widgetCursorSet[i].hotspot)});
    }

    TBitmap marker;
    paintScrollMarker(marker);
    files.push_back({"BITMAP/ScrollM.bmp", bmpFile(marker)});
    for (const bool up : {true, false}) {
        TBitmap glyph;
        paintSpinGlyph(glyph, up);
        files.push_back({up ? "BITMAP/KEXSPINUP.bmp" : "BITMAP/KEXSPINDOWN.bmp", bmpFile(glyph)});
    }
    for (size_t i = 0; i < kGridGlyphNames.size(); ++i) {
        TBitmap glyph;
        paintGridGlyph(static_cast<int>(i), glyph);
        files.push_back({std::string("BITMAP/") + kGridGlyphNames[i] + ".bmp", paletteBmp(glyph, sixteenColours(), 4)});
    }
    const TColor blackAndWhite[] = {clBlack, clWhite};
    for (const bool arrow : {false, true}) {
        TBitmap indicator;
        paintSelectionIndicator(arrow, indicator);
        files.push_back({arrow ? "BITMAP/DBG_MSARROW.bmp" : "BITMAP/DBG_MSDOT.bmp", paletteBmp(indicator, blackAndWhite, 1)});
    }
    const auto glyphs = toolGlyphs();
    for (size_t i = 0; i < glyphs.size(); ++i) {
        TBitmap glyph;
        paintToolGlyph(static_cast<int>(i), glyph);
        files.push_back({std::string("BITMAP/") + glyphs[i].name + ".bmp", bmpFile(glyph)});
    }

    TBitmap about;
    paintAboutPicture(about);
    files.push_back({"BITMAP/ABOUTPICTURE.bmp", bmpFile(about)});

    for (int number = 1; number <= kBannerCount; ++number) {
        TBitmap banner;
        paintBanner(number, banner);
        files.push_back({"RCDATA/" + std::to_string(number) + ".bmp", bmpFile(banner)});
    }
    TBitmap splash;
    paintSplash(splash);
    files.push_back({"RCDATA/111.jpg", jpegFile(splash, kSplashQuality)});
    return files;
}

} // namespace pictures
