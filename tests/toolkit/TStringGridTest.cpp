// The grid base through the string grid on a shown form: moving the cell, scrolling, counts,
// painting, the update bracket, sizing, the editor and Tab.
#include "toolkit/TStringGrid.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/EInvalidGridOperation.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"
#include "toolkit/TInplaceEdit.h"

namespace {

// Records every DrawCell with its state and the brush the grid prepared, and counts paints.
class TProbeGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
    struct Drawn {
        int col, row;
        TGridDrawState state;
        TColor brush;
    };
    std::vector<Drawn> drawn;
    int paints = 0;
    std::vector<std::string> keys;

    const Drawn* find(int col, int row) const {
        for (const Drawn& d : drawn)
            if (d.col == col && d.row == row)
                return &d;
        return nullptr;
    }

protected:
    void Paint() override {
        ++paints;
        TStringGrid::Paint();
    }
    void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override {
        drawn.push_back({ACol, ARow, AState, Canvas()->Brush()->Color()});
        TStringGrid::DrawCell(ACol, ARow, ARect, AState);
    }
};

class TStringGridTest : public testing::Test {
protected:
    TStringGridTest() {
        form->SetBounds(0, 0, 400, 300);
        grid->SetParent(form.get());
        grid->SetBounds(0, 0, 330, 130); // 5 columns of 64 + lines, 5 rows of 24 + lines
        grid->SetRowCount(20);
        grid->OnSelectCell = [this](TPersistent*, int col, int row, bool& can) {
            ++selects;
            can = col != refuseCol;
            (void)row;
        };
        form->Show();
        Application->ProcessMessages();
    }
    void pump() { Application->ProcessMessages(); }
    TPoint centreOf(int col, int row) const {
        const TRect r = grid->CellRect(col, row);
        return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }

    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TProbeGrid* grid = new TProbeGrid(form.get());
    int selects = 0;
    int refuseCol = -1;
};

TEST_F(TStringGridTest, EachWayOfMovingTheCellAsksSelectCellOnceAndARefusalKeepsIt) {
    grid->SetFocus();
    pump();
    tk::input::key(*form, VK_DOWN);
    pump();
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(selects, 1);
    const TPoint p = centreOf(3, 3);
    tk::input::click(*grid, p.X, p.Y);
    pump();
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(selects, 2);
    grid->SetRow(5);
    EXPECT_EQ(grid->Row(), 5);
    EXPECT_EQ(selects, 3);

    refuseCol = 4;
    tk::input::key(*form, VK_RIGHT);
    pump();
    EXPECT_EQ(grid->Col(), 3) << "the handler refused column 4";
    EXPECT_EQ(selects, 4);
}

TEST_F(TStringGridTest, TopRowMakesAnyRowTheFirstShownAndReportsIt) {
    int topLeftChanges = 0;
    grid->OnTopLeftChanged = [&](TPersistent*) { ++topLeftChanges; };
    grid->SetRow(18);
    EXPECT_GT(grid->TopRow(), 1) << "the current row was scrolled into view";
    EXPECT_EQ(topLeftChanges, 1);
    grid->SetTopRow(grid->Row());
    EXPECT_EQ(grid->TopRow(), 18) << "past the last full page, as the firm list asks on a resize";
    EXPECT_EQ(topLeftChanges, 2);
}

TEST_F(TStringGridTest, FewerFixedLinesShowTheNewFirstScrollingLineFirst) {
    grid->SetFixedRows(0);
    grid->SetFixedCols(0);
    EXPECT_EQ(grid->TopRow(), 0);
    EXPECT_EQ(grid->LeftCol(), 0);
    EXPECT_EQ(grid->CellRect(0, 0).Left, 0);
}

TEST_F(TStringGridTest, CountsStayAtLeastOneAndKeepTheCellInside) {
    grid->SetRow(15);
    grid->SetRowCount(10);
    EXPECT_EQ(grid->Row(), 9);
    grid->SetFixedRows(0);
    grid->SetFixedCols(0);
    grid->SetRowCount(0);
    EXPECT_EQ(grid->RowCount(), 1);
    EXPECT_EQ(grid->Row(), 0);
    grid->SetColCount(1);
    grid->SetCells(0, 0, "one");
    EXPECT_THROW(grid->Cells(1, 0), EInvalidGridOperation);
    EXPECT_THROW(grid->SetObjects(0, 1, nullptr), EInvalidGridOperation);
    EXPECT_THROW(grid->ColWidths(-1), EInvalidGridOperation);
    EXPECT_THROW(grid->SetRowHeights(1, 5), EInvalidGridOperation);
    EXPECT_THROW(grid->CellRect(0, 1), EInvalidGridOperation);
    EXPECT_THROW(grid->Cols(1), EInvalidGridOperation);
    EXPECT_EQ(grid->Cells(0, 0), "one");
}

TEST_F(TStringGridTest, OnePaintDrawsEachShownCellOnceOnAPreparedCanvas) {
    grid->SetOptions(grid->Options() | goRowSelect);
    grid->SetRow(2);
    form->SetFocus(); // the grid does not hold the focus: no cell is focused
    pump();
    grid->drawn.clear();
    grid->InvalidateGrid();
    pump();
    ASSERT_EQ(grid->drawn.size(), std::size_t(5 * 5)) << "5 columns by 5 rows are shown";
    const auto* fixed = grid->find(0, 0);
    const auto* selected = grid->find(3, 2);
    const auto* plain = grid->find(3, 3);
    ASSERT_TRUE(fixed && selected && plain);
    EXPECT_EQ(fixed->state, gdFixed);
    EXPECT_EQ(fixed->brush, clBtnFace);
    EXPECT_EQ(selected->state, gdSelected);
    EXPECT_EQ(selected->brush, clHighlight);
    EXPECT_EQ(plain->state, 0u);
    EXPECT_EQ(plain->brush, clWindow);
}

TEST_F(TStringGridTest, AFillInsideAColumnBracketRepaintsOnceAndLeavesTheObjectsAlone) {
    // The firm list: one column, no fixed cells, rows measured one by one.
    grid->SetFixedCols(0);
    grid->SetFixedRows(0);
    grid->SetColCount(1);
    pump();
    std::vector<int> cards(200);
    const int paints = grid->paints;
    grid->Cols(0)->BeginUpdate();
    grid->SetDefaultRowHeight(18);
    grid->SetColWidths(0, 300);
    grid->SetRowCount(200);
    for (int i = 0; i < 200; ++i) {
        grid->SetCells(0, i, "Firm " + std::to_string(i));
        grid->SetObjects(0, i, &cards[std::size_t(i)]);
        grid->SetRowHeights(i, 18 + i % 3);
    }
    pump();
    EXPECT_EQ(grid->paints, paints) << "nothing paints inside the bracket";
    grid->Cols(0)->EndUpdate();
    pump();
    EXPECT_EQ(grid->paints, paints + 1);
    EXPECT_EQ(grid->Cols(0)->Strings(150), "Firm 150");
    EXPECT_EQ(grid->Objects(0, 150), &cards[150]);

    grid->drawn.clear();
    grid->SetCells(0, 1, "changed");
    pump();
    ASSERT_EQ(grid->drawn.size(), 1u) << "a changed cell repaints alone";
    EXPECT_EQ(grid->drawn[0].row, 1);
    grid->SetRowCount(1);
    grid->Cols(0)->Clear();
    EXPECT_EQ(cards[0], 0) << "the grid never frees its objects";
}

TEST_F(TStringGridTest, DraggingAColumnBorderSizesItUntilCancelled) {
    grid->SetOptions(grid->Options() | goColSizing);
    const int border = grid->CellRect(1, 0).Right;
    TGridState state = gsNormal;
    int index = -1, pos = 0, ofs = 0;
    grid->CalcSizingState(border + 1, 5, state, index, pos, ofs);
    EXPECT_EQ(state, gsColSizing);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(pos, border);
    grid->CalcSizingState(border + 20, 5, state, index, pos, ofs);
    EXPECT_EQ(state, gsNormal);

    tk::input::press(*grid, mbLeft, border, 5);
    tk::input::move(*grid, border + 30, 5, ssLeft);
    pump();
    EXPECT_EQ(grid->GridState(), gsColSizing);
    EXPECT_EQ(grid->ColWidths(1), 64 + 30);
    grid->Perform(WM_CANCELMODE, 0, 0);
    EXPECT_EQ(grid->GridState(), gsNormal);
    tk::input::move(*grid, border + 50, 5, ssLeft);
    tk::input::release(*grid, mbLeft, border + 50, 5);
    pump();
    EXPECT_EQ(grid->ColWidths(1), 64 + 30) << "a cancelled drag sizes no more";
}

TEST_F(TStringGridTest, EditorOpensOnF2StoresOnEnterAndRestoresOnEscape) {
    std::string typed;
    grid->OnKeyPress = [&](TPersistent*, char& key) { typed += key; };
    grid->SetOptions(grid->Options() | goEditing);
    grid->SetCells(1, 1, "old");
    grid->SetFocus();
    pump();
    tk::input::key(*form, VK_F2);
    pump();
    ASSERT_TRUE(grid->EditorMode());
    EXPECT_EQ(grid->InplaceEditor()->Text(), "old");
    tk::input::key(*form, 'X', 0, 'x');
    pump();
    EXPECT_EQ(typed, "x") << "the editor hands the character to the grid once";
    EXPECT_EQ(grid->InplaceEditor()->Text(), "x");
    tk::input::key(*form, VK_RETURN);
    pump();
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(1, 1), "x");

    tk::input::key(*form, 'Y', 0, 'y');
    pump();
    EXPECT_EQ(typed, "xy") << "a character typed on the grid opens the editor and fires once";
    ASSERT_TRUE(grid->EditorMode());
    EXPECT_EQ(grid->InplaceEditor()->Text(), "y");
    tk::input::key(*form, VK_ESCAPE);
    pump();
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(1, 1), "x");
}

TEST_F(TStringGridTest, TabMovesBetweenCellsOnlyWithTheOption) {
    grid->SetOptions(grid->Options() | goTabs);
    grid->SetCol(4);
    grid->SetFocus();
    pump();
    tk::input::key(*form, VK_TAB);
    pump();
    EXPECT_EQ(grid->Col(), 1) << "past the last column, into the next row";
    EXPECT_EQ(grid->Row(), 2);
    tk::input::key(*form, VK_TAB, ssShift);
    pump();
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_EQ(grid->Row(), 1);
    grid->SetOptions(grid->Options() & ~goTabs);
    tk::input::key(*form, VK_TAB);
    pump();
    EXPECT_EQ(grid->Col(), 4) << "without the option Tab leaves the cells alone";
}

} // namespace
