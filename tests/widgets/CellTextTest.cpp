// Cell text: shortening with "...", the vertical offsets and which alignments wrap.
#include "widgets/CellText.h"

#include <memory>

#include <gtest/gtest.h>

#include "toolkit/TApplication.h"
#include "toolkit/TCustomControl.h"
#include "toolkit/TForm.h"

namespace {

class CellTextTest : public testing::Test {
protected:
    CellTextTest() {
        form->SetBounds(0, 0, 300, 200);
        control->SetParent(form.get());
        control->SetBounds(0, 0, 300, 200);
        form->Show();
        Application->ProcessMessages();
        canvas.Brush()->SetColor(clWhite);
        canvas.Font()->SetColor(clBlack);
    }

    void clear() { canvas.FillRect(Rect(0, 0, 300, 200)); }

    // The first and last rows of the rectangle holding black pixels, {-1, -1} without any.
    std::pair<int, int> inkRows(const TRect& r) {
        int first = -1, last = -1;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (canvas.Pixels(x, y) == clBlack) {
                    if (first < 0)
                        first = y;
                    last = y;
                    break;
                }
        return {first, last};
    }

    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TCustomControl* control = new TCustomControl(form.get());
    TCanvas& canvas = *control->Canvas();
};

TEST_F(CellTextTest, ShortenedTextsDropTwoCharactersFirstAndEndAsDots) {
    const AnsiString text = "Книжный магазин";
    EXPECT_EQ(ShortenTextToWidth(text, canvas, canvas.TextWidth(text)), text);
    const int width = canvas.TextWidth(text) - 1;
    EXPECT_EQ(ShortenTextToWidth(text, canvas, width), text.substr(0, text.size() - 2) + "...");
    EXPECT_EQ(ShortenTextToWidth(text, canvas, 0), "...");
    EXPECT_EQ(ShortenTextToWidth("", canvas, 0), "");
}

TEST_F(CellTextTest, VerticalAlignmentsOffsetFromTheHeightOfW) {
    const TRect cell = Rect(10, 20, 200, 120);
    const int lineHeight = canvas.TextHeight("W");
    const int top[] = {cell.Top + 2, cell.Top + (cell.Height() - lineHeight) / 2, cell.Top + cell.Height() - lineHeight};
    const TVertAlignment aligns[] = {vaTopJustify, vaCenterJustify, vaBottomJustify};
    for (int i = 0; i < 3; ++i) {
        clear();
        DrawCellTextExt2(*control, 0, 0, "W", cell, taLeftJustify, aligns[i], false);
        const auto [first, last] = inkRows(cell);
        EXPECT_GE(first, top[i]) << i;
        EXPECT_LT(last, top[i] + lineHeight) << i;
    }
}

TEST_F(CellTextTest, OnlyCentredTextWraps) {
    const TRect cell = Rect(0, 0, 90, 100);
    const AnsiString text = "одна две три четыре пять";
    const int lineHeight = canvas.TextHeight("W");
    for (TAlignment align : {taLeftJustify, taRightJustify, taCenter}) {
        clear();
        DrawCellTextAligned2(*control, 0, 0, text, cell, align, vaTopJustify);
        const auto [first, last] = inkRows(cell);
        ASSERT_GE(first, 0) << align;
        EXPECT_EQ(last >= 2 + lineHeight, align == taCenter) << align;
    }
}

} // namespace
