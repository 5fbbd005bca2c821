#include "toolkit/DrawText.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "toolkit/AnsiString.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TCanvas.h"

namespace {

// Rows and columns that hold ink, for a text drawn in black on white.
struct InkBounds {
    int top = -1, bottom = -1, left = -1, right = -1;  // inclusive; -1 when no ink
    int bands = 0;                                     // runs of rows with ink
};

class DrawTextTest : public testing::Test {
protected:
    void SetUp() override {
        bitmap.SetSize(240, 120);
        canvas().Brush()->SetStyle(bsSolid);
        canvas().Brush()->SetColor(clWhite);
        canvas().FillRect(Rect(0, 0, 240, 120));
        canvas().Brush()->SetStyle(bsClear);
        canvas().Font()->SetColor(clBlack);
    }

    TCanvas& canvas() { return *bitmap.Canvas(); }

    InkBounds ink() {
        InkBounds b;
        bool previousRow = false;
        for (int y = 0; y < bitmap.Height(); ++y) {
            bool row = false;
            for (int x = 0; x < bitmap.Width(); ++x) {
                if (canvas().Pixels(x, y) != clBlack) continue;
                row = true;
                b.left = b.left < 0 ? x : std::min(b.left, x);
                b.right = std::max(b.right, x);
            }
            if (row && b.top < 0) b.top = y;
            if (row) b.bottom = y;
            if (row && !previousRow) ++b.bands;
            previousRow = row;
        }
        return b;
    }

    TBitmap bitmap;
};

TEST_F(DrawTextTest, WordBreakWrapsCentredTextOnlyWithoutSingleLine) {
    const AnsiString text = tk::fromUtf8("Первое Второе");
    const int firstWidth = canvas().TextWidth(tk::fromUtf8("Первое"));
    const int lineHeight = canvas().TextHeight(text);
    // Room for one word plus a margin, so that a centred line has blank on both sides.
    TRect rect = Rect(20, 10, 20 + firstWidth + 30, 110);

    EXPECT_EQ(DrawText(canvas(), text, rect, DT_CENTER | DT_WORDBREAK), 2 * lineHeight);
    InkBounds wrapped = ink();
    EXPECT_EQ(wrapped.bands, 2);
    EXPECT_GE(wrapped.top, rect.Top);
    EXPECT_LT(wrapped.bottom, rect.Top + 2 * lineHeight);
    EXPECT_NEAR(wrapped.left - rect.Left, rect.Right - 1 - wrapped.right, 3);

    SetUp();
    EXPECT_EQ(DrawText(canvas(), text, rect, DT_CENTER | DT_WORDBREAK | DT_SINGLELINE), lineHeight);
    const InkBounds single = ink();
    EXPECT_EQ(single.bands, 1);
    // Wider than the rectangle, so clipped on both sides.
    EXPECT_EQ(single.left, rect.Left);
    EXPECT_EQ(single.right, rect.Right - 1);
}

TEST_F(DrawTextTest, CalcRectMeasuresLinesWithoutDrawing) {
    const AnsiString longer = tk::fromUtf8("Длинная строка");
    TRect rect = Rect(5, 7, 6, 8);
    const int height = DrawText(canvas(), longer + "\r\n" + tk::fromUtf8("Два"), rect, DT_CALCRECT);
    EXPECT_EQ(height, 2 * canvas().TextHeight(longer));
    EXPECT_EQ(rect.Bottom, 7 + height);
    EXPECT_EQ(rect.Right, 5 + canvas().TextWidth(longer));
    EXPECT_EQ(ink().bands, 0);

    TRect wrapping = Rect(5, 7, 6, 8);
    DrawText(canvas(), longer, wrapping, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(wrapping.Right, 6);
    EXPECT_EQ(wrapping.Bottom, 7 + 2 * canvas().TextHeight(longer));
}

TEST_F(DrawTextTest, AmpersandShowsOnlyWithNoPrefix) {
    struct Case {
        const char* text;
        unsigned format;
        const char* shown;
    };
    for (const Case& c : {Case{"A&B", 0, "AB"}, Case{"A&&B", 0, "A&B"}, Case{"A&B", DT_NOPREFIX, "A&B"},
                          Case{"A&&B", DT_NOPREFIX, "A&&B"}}) {
        TRect rect = Rect(0, 0, 1, 1);
        DrawText(canvas(), c.text, rect, DT_CALCRECT | c.format);
        EXPECT_EQ(rect.Right, canvas().TextWidth(c.shown)) << c.text << " " << c.format;
    }

    // The prefixed letter is underlined: the same letter without a prefix has no ink that low.
    TRect rect = Rect(10, 10, 100, 40);
    DrawText(canvas(), "W", rect, DT_NOPREFIX);
    const int plainBottom = ink().bottom;
    SetUp();
    DrawText(canvas(), "&W", rect, 0);
    EXPECT_GT(ink().bottom, plainBottom);
}

} // namespace
