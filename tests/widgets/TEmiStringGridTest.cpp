// The string grid with cell colours and alignments on a shown form: the alignment and multi-line
// pair, the colour event's arguments and reach, its drawing modes and the titles.
#include "widgets/TEmiStringGrid.h"

#include <memory>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"
#include "toolkit/TScreen.h"
#include "widgets/WidgetCursors.h"

namespace {

class TEmiStringGridTest : public testing::Test {
protected:
    TEmiStringGridTest() {
        form->SetBounds(0, 0, 400, 300);
        grid->SetParent(form.get());
        grid->SetBounds(0, 0, 300, 270);
        grid->SetScrollBars(ssNone);
        grid->SetColCount(2);
        grid->SetRowCount(4);
        grid->SetFixedCols(0);
        grid->SetFixedRows(0);
        grid->SetDefaultColWidth(140);
        grid->SetDefaultRowHeight(60);
        form->Show();
        repaint();
    }

    void repaint() {
        grid->InvalidateGrid();
        Application->ProcessMessages();
    }

    // Whether any pixel of the cell's band [top, bottom) (offsets from the cell's top) differs from
    // the cell's fill at its top-left corner.
    bool inkIn(int col, int row, int top, int bottom) const {
        const TRect r = grid->CellRect(col, row);
        TCanvas& canvas = *grid->Canvas();
        const TColor fill = canvas.Pixels(r.Left + 1, r.Top + 1);
        for (int y = r.Top + top; y < r.Top + bottom && y < r.Bottom; ++y)
            for (int x = r.Left + 1; x < r.Right - 1; ++x)
                if (canvas.Pixels(x, y) != fill)
                    return true;
        return false;
    }

    // The rightmost inked column of the cell, relative to its left edge; -1 without ink.
    int inkRight(int col, int row) const {
        const TRect r = grid->CellRect(col, row);
        TCanvas& canvas = *grid->Canvas();
        const TColor fill = canvas.Pixels(r.Left + 1, r.Top + 1);
        for (int x = r.Right - 2; x > r.Left; --x)
            for (int y = r.Top + 1; y < r.Bottom - 1; ++y)
                if (canvas.Pixels(x, y) != fill)
                    return x - r.Left;
        return -1;
    }

    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TEmiStringGrid* grid = new TEmiStringGrid(form.get());
};

TEST_F(TEmiStringGridTest, SeveralLinesGoOnlyWithTopAlignments) {
    grid->SetDefaultCellsAlignment(caBottomRight);
    grid->SetDefaultMultiLineCells(true);
    EXPECT_EQ(grid->DefaultCellsAlignment(), caTopRight);
    grid->SetDefaultCellsAlignment(caCenter);
    EXPECT_FALSE(grid->DefaultMultiLineCells());

    // A handler asking for several lines on a middle cell still gets one centred line.
    grid->SetCells(0, 1, "aaaa bbbb cccc dddd eeee ffff");
    grid->OnGetCellColor = [](TPersistent*, int, int, TGridDrawState, TCellAlignment& alignment, bool& multiLine,
                              TBrush*, TFont*) {
        alignment = caMiddleLeft;
        multiLine = true;
    };
    repaint();
    EXPECT_FALSE(inkIn(0, 1, 1, 18));
    EXPECT_TRUE(inkIn(0, 1, 20, 40));
    EXPECT_FALSE(inkIn(0, 1, 42, 59));

    // On a top alignment the same text wraps from the top down.
    grid->OnGetCellColor = nullptr;
    grid->SetDefaultCellsAlignment(caTopLeft);
    grid->SetDefaultMultiLineCells(true);
    grid->SetCells(1, 2, "&&&&&&");
    repaint();
    EXPECT_TRUE(inkIn(0, 1, 1, 18));
    EXPECT_TRUE(inkIn(0, 1, 20, 40));
    EXPECT_GT(inkRight(1, 2), 2 + grid->Canvas()->TextWidth("&&&&")) << "ampersands drawn as themselves";
}


TEST_F(TEmiStringGridTest, TheColourEventGetsTheRowBeforeTheColumnInBothDrawingModes) {
    std::vector<std::pair<int, int>> asked;
    int draws = 0;
    grid->OnGetCellColor = [&](TPersistent* sender, int row, int col, TGridDrawState, TCellAlignment&, bool&,
                               TBrush* brush, TFont*) {
        EXPECT_EQ(sender, grid);
        asked.emplace_back(row, col);
        if (row == 3)
            brush->SetColor(clRed);
    };
    grid->OnDrawCell = [&](TPersistent*, int, int, TRect, TGridDrawState) { ++draws; };
    repaint();
    // Row 3 exists but column 3 does not: only the right order reaches it.
    EXPECT_NE(std::find(asked.begin(), asked.end(), std::make_pair(3, 1)), asked.end());
    const TRect red = grid->CellRect(1, 3);
    const TRect plain = grid->CellRect(1, 2);
    EXPECT_EQ(grid->Canvas()->Pixels(red.Left + 3, red.Bottom - 3), clRed);
    EXPECT_NE(grid->Canvas()->Pixels(plain.Left + 3, plain.Bottom - 3), clRed);
    EXPECT_EQ(std::make_pair(int(asked.size()), draws), std::make_pair(8, 0)) << "default drawing";

    asked.clear();
    grid->SetDefaultDrawing(false);
    repaint();
    EXPECT_EQ(std::make_pair(int(asked.size()), draws), std::make_pair(8, 8));
}

TEST_F(TEmiStringGridTest, TitlesGivenWhileLoadingHoldAfterLoadedAndTheWidgetCursorsAreThere) {
    TStringList rows;
    rows.SetText("Фирма\nАдрес");
    TStringList cols;
    cols.SetText("Поле\nЗначение");
    grid->BeginLoading();
    grid->SetRowTitles(rows);
    grid->SetColTitles(cols);
    grid->SetCells(0, 1, "read later");
    grid->EndLoading();
    EXPECT_EQ(std::vector<AnsiString>({grid->Cells(0, 0), grid->Cells(1, 0), grid->Cells(0, 1), grid->Cells(0, 2)}),
              (std::vector<AnsiString>{"Поле", "Значение", "Адрес", ""}));
    // Registered by the first grid built.
    EXPECT_NE(Screen->Cursors(crExHand), HCURSOR(0));
    EXPECT_NE(Screen->Cursors(crExDrag), HCURSOR(0));
    EXPECT_NE(Screen->Cursors(crExHand), Screen->Cursors(crExDrag));
}

} // namespace
