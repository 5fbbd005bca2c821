// A canvas keeps the fonts of its recent text settings and the widths measured in them; these
// tests change the settings past what it keeps and check every measure against a fresh canvas.
#include "toolkit/TextFonts_p.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include "toolkit/TBitmap.h"
#include "toolkit/TCanvas.h"
#include "toolkit/TControl_p.h"

namespace {

TSize freshExtent(const TFont& font, const AnsiString& text) {
    TBitmap bitmap;
    bitmap.SetSize(8, 8);
    bitmap.Canvas()->Font()->Assign(font);
    return bitmap.Canvas()->TextExtent(text);
}

TEST(TextFontsTest, MeasuresFollowTheFontThroughManySizesAndStyles) {
    TBitmap bitmap;
    bitmap.SetSize(8, 8);
    TCanvas& canvas = *bitmap.Canvas();
    const AnsiString texts[] = {tk::fromUtf8("Проспект Мира"), "12a", tk::fromUtf8("ул. Садовая")};
    for (int round = 0; round < 2; ++round) {
        for (int height = 8; height <= 32; ++height) {
            canvas.Font()->SetHeight(-height);
            canvas.Font()->SetStyle(height % 3 == 0 ? TFontStyles{fsBold} : TFontStyles{});
            canvas.Font()->SetName(height % 2 == 0 ? "Arial Cyr" : "Times New Roman Cyr");
            for (const AnsiString& text : texts) {
                const TSize expected = freshExtent(*canvas.Font(), text);
                const TSize extent = canvas.TextExtent(text);
                EXPECT_EQ(extent.cx, expected.cx) << height << " " << round;
                EXPECT_EQ(extent.cy, expected.cy) << height << " " << round;
            }
        }
    }
}

TEST(TextFontsTest, TextsBeginningWithTabsMeasureAsTheFontShapesThemWhole) {
    const AnsiString texts[] = {"\t45-35-65", tk::fromUtf8("\t8-(3452)39-32-03"), "\t\tAV To", "\t",
                                tk::fromUtf8("\tПр. Мира\tдом 7"), "\t 12", "\t\t"};
    tk::TextFonts fonts;
    TFont font;
    for (const char* name : {"MS Sans Serif", "Times New Roman Cyr"}) {
        for (int height : {-11, -13, -24}) {
            for (const TFontStyles style : {TFontStyles{}, TFontStyles{fsBold}}) {
                font.SetName(name);
                font.SetHeight(height);
                font.SetStyle(style);
                for (const AnsiString& text : texts) {
                    const int whole = QFontMetrics(fonts.of(font).font).horizontalAdvance(tk::qString(text));
                    EXPECT_EQ(fonts.width(font, text), whole) << name << " " << height << " " << tk::toUtf8(text);
                }
            }
        }
    }
}

} // namespace
