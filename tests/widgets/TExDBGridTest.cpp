// The program's data grid on a shown form over the in-memory dataset: options, Shift and Ctrl
// selection, the delete prompt, glyphs, title buttons, frozen columns, the wheel, key and
// character routing, the selection indicator and the program's own configuration.
#include "widgets/TExDBGrid.h"

#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "support/AddressGridForm.h"
#include "support/MemoryDataSet.h"
#include "support/MessageBoxLog.h"
#include "support/Placed.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Messages.h"
#include "toolkit/Shell.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TBookmarkList.h"
#include "toolkit/TColumn.h"
#include "toolkit/TColumnTitle.h"
#include "toolkit/TDBGridColumns.h"
#include "toolkit/TDataSource.h"
#include "toolkit/TEdit.h"
#include "toolkit/TForm.h"
#include "toolkit/TGridDataLink.h"
#include "toolkit/TInplaceEdit.h"

namespace {

using tktest::MemoryDataSet;

// Opens protected steps of the grid for the tests.
class TProbeExDBGrid : public TExDBGrid {
public:
    using TExDBGrid::TExDBGrid;
    bool wheelDown() { return DoMouseWheelDown(0, Point(5, 5)); }
    void drawCell(int col, int row) { DrawCell(col, row, CellRect(col, row), gdFixed); }
};

// A dataset whose bookmark comparison fails on demand.
class FailingDataSet : public MemoryDataSet {
public:
    using MemoryDataSet::MemoryDataSet;
    bool failCompare = false;
    int CompareBookmarks(const TBookmark& a, const TBookmark& b) override {
        if (failCompare)
            throw EDatabaseError("compare failed");
        return MemoryDataSet::CompareBookmarks(a, b);
    }
};

class TExDBGridTest : public testing::Test {
protected:
    TExDBGridTest() {
        for (int i = 1; i <= 40; ++i)
            data.addRow({Variant(i), Variant("Name " + std::to_string(i)), Variant("memo " + std::to_string(i))});
        source.SetDataSet(&data);
        form->SetBounds(0, 0, 500, 400);
        grid->SetBounds(0, 0, 400, 10 * 25 + 2);
        grid->SetDataSource(&source);
        other->SetBounds(0, 300, 100, 24);
        data.Open();
        form->Show();
        grid->SetFocus();
        pump();
    }
    ~TExDBGridTest() override { tk::setBeeper(nullptr); }

    void pump() { Application->ProcessMessages(); }
    void repaint() {
        grid->InvalidateGrid();
        pump();
    }
    int id() const { return data.FieldByName("Id")->AsInteger(); }
    void key(std::uint16_t k, TShiftState shift = 0, char typed = 0) {
        tk::input::key(*grid, k, shift, typed);
        pump();
    }
    TPoint cellCentre(int col, int row) const {
        const TRect r = grid->CellRect(col, row);
        return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    std::vector<int> selectedIds() {
        std::vector<int> ids;
        const TBookmark here = data.GetBookmark();
        for (int i = 0; i < grid->SelectedRows()->Count(); ++i) {
            data.GotoBookmark(grid->SelectedRows()->Items(i));
            ids.push_back(id());
        }
        data.GotoBookmark(here);
        return ids;
    }
    bool anyPixelIn(const TRect& r, TColor color) const {
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (grid->Canvas()->Pixels(x, y) == color)
                    return true;
        return false;
    }

    TComponent owner{nullptr};
    FailingDataSet data{&owner, {{"Id", ftInteger}, {"Name", ftString, 20}, {"Notes", ftMemo}}};
    TDataSource source{&owner};
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TProbeExDBGrid* grid = tktest::placed<TProbeExDBGrid>(form.get());
    TEdit* other = tktest::placed<TEdit>(form.get());
};

TEST_F(TExDBGridTest, MultiSelectStaysOutOfTheBaseOptionsAndTitleButtonsForceTheFixedLines) {
    grid->SetOptions(grid->Options() | dgMultiSelect);
    EXPECT_TRUE(grid->MultiSelect());
    EXPECT_TRUE(grid->Options() & dgMultiSelect);
    EXPECT_FALSE(static_cast<TDBGrid*>(grid)->Options() & dgMultiSelect);
    grid->SetOptions(dgTitles | dgIndicator);
    EXPECT_FALSE(grid->MultiSelect());
    EXPECT_EQ(static_cast<TCustomGrid*>(grid)->Options() & (goFixedVertLine | goFixedHorzLine), 0u);
    grid->SetTitleButtons(true);
    EXPECT_EQ(static_cast<TCustomGrid*>(grid)->Options() & (goFixedVertLine | goFixedHorzLine),
              goFixedVertLine | goFixedHorzLine);
}

TEST_F(TExDBGridTest, ShiftArrowsSelectARangeThatShrinksBackAndPlainArrowsClearIt) {
    grid->SetMultiSelect(true);
    data.MoveBy(4);
    for (int i = 0; i < 3; ++i)
        key(VK_DOWN, ssShift);
    EXPECT_EQ(selectedIds(), (std::vector<int>{5, 6, 7, 8}));
    key(VK_UP, ssShift);
    EXPECT_EQ(selectedIds(), (std::vector<int>{5, 6, 7}));
    EXPECT_EQ(id(), 7);
    key(VK_DOWN);
    EXPECT_TRUE(selectedIds().empty());
    EXPECT_EQ(id(), 8);

    grid->SetClearSelection(false);
    key(VK_DOWN, ssShift);
    key(VK_DOWN);
    EXPECT_EQ(selectedIds(), (std::vector<int>{8, 9}));
}

TEST_F(TExDBGridTest, CtrlClickTogglesARowAndATabWrapClearsTheSelection) {
    grid->SetOptions(grid->Options() | dgMultiSelect | dgTabs);
    const TPoint third = cellCentre(1, 3);
    for (const std::vector<int>& expected : {std::vector<int>{3}, std::vector<int>{}}) {
        tk::input::click(*grid, third.X, third.Y, ssCtrl);
        pump();
        EXPECT_EQ(selectedIds(), expected);
    }
    grid->SelectedRows()->SetCurrentRowSelected(true);
    ASSERT_EQ(selectedIds(), std::vector<int>{3});
    grid->SetSelectedIndex(grid->FieldCount() - 1);
    key(VK_TAB);
    EXPECT_TRUE(selectedIds().empty());
}

TEST_F(TExDBGridTest, CtrlDeleteAsksByTheSelectionAndDeletesOnlyOnYes) {
    tktest::MessageBoxLog answers;
    answers.answer = IDNO;
    grid->SetMultiSelect(true);
    grid->SelectedRows()->SetCurrentRowSelected(true);
    key(VK_DELETE, ssCtrl);
    data.MoveBy(2);
    grid->SelectedRows()->SetCurrentRowSelected(true);
    answers.answer = IDYES;
    key(VK_DELETE, ssCtrl);
    EXPECT_EQ(answers.boxes, (std::vector<std::string>{": Delete record?", ": Delete all selected records?"}))
        << "asked without a caption";
    EXPECT_EQ(data.rows().size(), 38u);

    // Unconfirmed: deleted unasked; read-only: neither asked nor deleted.
    for (const auto& [confirm, readOnly, rowsLeft] : {std::tuple{false, false, 37u}, {true, true, 37u}}) {
        answers.boxes.clear();
        grid->SetOptions(confirm ? grid->Options() | dgConfirmDelete : grid->Options() & ~dgConfirmDelete);
        grid->SetReadOnly(readOnly);
        key(VK_DELETE, ssCtrl);
        EXPECT_TRUE(answers.boxes.empty());
        EXPECT_EQ(data.rows().size(), rowsLeft);
    }
}

TEST_F(TExDBGridTest, AMemoCellShowsItsGlyphAndTakesNoEditorUnlessItEditsAsText) {
    const TRect memo = grid->CellRect(3, 2);
    repaint();
    EXPECT_TRUE(anyPixelIn(memo, clNavy)) << "the memo glyph's lines";
    EXPECT_FALSE(anyPixelIn(memo, clOlive)) << "the glyph's background is left out";
    grid->SetSelectedIndex(2);
    key(VK_F2);
    EXPECT_FALSE(grid->EditorMode());

    grid->SetShowGlyphs(false);
    repaint();
    EXPECT_FALSE(anyPixelIn(memo, clNavy));

    grid->SetShowGlyphs(true);
    TField* notes = data.FieldByName("Notes");
    notes->OnGetText = [](TField*, AnsiString& text, bool) { text = "text"; };
    notes->OnSetText = [](TField*, const AnsiString&) {};
    EXPECT_EQ(grid->GetImageIndex(notes), -1);
    grid->SetReadOnly(true);
    EXPECT_EQ(grid->GetImageIndex(notes), 1);
}

TEST_F(TExDBGridTest, TitleButtonsTrackThePressAndClickOnce) {
    int beeps = 0;
    tk::setBeeper([&](unsigned) { ++beeps; });
    std::vector<int> clicks;
    grid->SetTitleButtons(true);
    grid->OnTitleBtnClick = [&](TPersistent*, int col, TField*) { clicks.push_back(col); };
    grid->OnCheckButton = [](TPersistent*, int col, TField*, bool& enabled) { enabled = col != 0; };
    const TRect title = grid->CellRect(2, 0);
    const TPoint at = cellCentre(2, 0);
    const TColor raised = ColorToRGB(clBtnHighlight);
    auto topLeft = [&] {
        repaint();
        return grid->Canvas()->Pixels(title.Left, title.Top);
    };

    tk::input::press(*grid, mbLeft, at.X, at.Y);
    pump();
    EXPECT_NE(topLeft(), raised) << "sunken while pressed";
    tk::input::move(*grid, at.X, 200);
    pump();
    EXPECT_EQ(topLeft(), raised);
    tk::input::move(*grid, at.X, at.Y);
    pump();
    EXPECT_NE(topLeft(), raised);
    tk::input::release(*grid, mbLeft, at.X, at.Y);
    pump();
    EXPECT_EQ(clicks, std::vector<int>{1});

    const TPoint first = cellCentre(1, 0);
    tk::input::click(*grid, first.X, first.Y);
    pump();
    EXPECT_EQ(beeps, 1) << "a refused title beeps";

    tk::input::press(*grid, mbLeft, at.X, at.Y);
    pump();
    grid->Perform(WM_CANCELMODE, 0, 0);
    tk::input::release(*grid, mbLeft, at.X, at.Y);
    pump();
    tk::input::press(*grid, mbRight, at.X, at.Y);
    tk::input::release(*grid, mbRight, at.X, at.Y);
    pump();
    EXPECT_EQ(clicks, std::vector<int>{1}) << "neither a cancelled press nor a right press clicks";
}

TEST_F(TExDBGridTest, RowsHeightAndFrozenColumns) {
    grid->SetRowsHeight(20);
    EXPECT_EQ(grid->RowHeights(0), 22);
    EXPECT_EQ(grid->RowHeights(1), 20);

    grid->SetFixedCols(10);
    EXPECT_EQ(grid->FixedCols(), 2) << "clamped below the last column";
    data.Close();
    EXPECT_EQ(grid->FixedCols(), 2);
    data.Open();
    pump();
    EXPECT_EQ(static_cast<TCustomGrid*>(grid)->FixedCols(), 3);
    grid->SetFixedCols(1);
    grid->SetSelectedIndex(2);
    key(VK_HOME);
    EXPECT_EQ(grid->SelectedIndex(), 1);
    key(VK_LEFT);
    EXPECT_EQ(grid->SelectedIndex(), 1);
}

TEST_F(TExDBGridTest, PlainTitleCellsHandOnTheColumnsFont) {
    grid->TitleFont()->SetColor(clMaroon);
    grid->Columns()->Items(1)->Font()->SetColor(clGreen);
    // No title buttons and no frozen columns: the title keeps the base grid's drawing.
    grid->drawCell(2, 0);
    EXPECT_EQ(grid->Canvas()->Font()->Color(), clGreen);
}

TEST_F(TExDBGridTest, AClickOnAFrozenTitleReachesTheBaseGridOnTheIndicator) {
    grid->SetFixedCols(1);
    std::vector<AnsiString> titleClicks;
    grid->OnTitleClick = [&](TColumn* column) { titleClicks.push_back(column->FieldName()); };
    for (int col : {1, 2}) {
        const TPoint at = cellCentre(col, 0);
        tk::input::click(*grid, at.X, at.Y);
        pump();
    }
    EXPECT_EQ(titleClicks, std::vector<AnsiString>{"Name"}) << "only the scrolling column's title clicks";
}

// Clicks on frozen titles, with and without the indicator, leave the record where it was and
// click only the scrolling column's title; a right release while a column is being moved reaches
// MouseUp with the message's whole key state, its buttons too.
TEST_F(TExDBGridTest, FrozenTitlesKeepTheRecordAndARightReleaseDuringAMoveKeepsItsKeyState) {
    std::vector<std::string> heard;
    grid->OnTitleClick = [&](TColumn* column) { heard.push_back("title " + column->FieldName()); };
    grid->OnMouseUp = [&](TPersistent*, TMouseButton button, TShiftState shift, int, int) {
        if (button != mbRight)
            return;
        std::string up = "right up";
        for (const auto& [flag, name] : {std::pair{ssShift, " shift"}, {ssCtrl, " ctrl"}, {ssLeft, " left"},
                                         {ssRight, " right"}, {ssMiddle, " middle"}})
            if (shift & flag)
                up += name;
        heard.push_back(up);
    };
    // The frozen column's title, then the first scrolling column's.
    auto clickTitles = [&] {
        const int first = (grid->Options() & dgIndicator) ? 1 : 0;
        for (int col : {first, first + 1}) {
            const TPoint at = cellCentre(col, 0);
            tk::input::click(*grid, at.X, at.Y);
            pump();
        }
    };
    // Drags the first data column's title towards the next and releases the right button on the
    // way with that key state.
    auto rightReleaseWhileMoving = [&](WPARAM keys) {
        const TPoint from = cellCentre(1, 0);
        const TPoint to = cellCentre(2, 0);
        tk::input::press(*grid, mbLeft, from.X, from.Y);
        tk::input::move(*grid, to.X, to.Y, ssLeft);
        pump();
        grid->Perform(WM_RBUTTONUP, keys, MAKELPARAM(to.X, to.Y));
        tk::input::release(*grid, mbLeft, to.X, to.Y);
        pump();
    };
    const TDBGridOptions withIndicator = grid->Options();
    const struct {
        const char* what;
        TDBGridOptions options;
        int frozen;
        std::function<void()> input;
        std::vector<std::string> heard;
    } cases[] = {
        {"frozen titles without the indicator", withIndicator & ~dgIndicator, 1, clickTitles, {"title Name"}},
        {"frozen titles with the indicator", withIndicator, 1, clickTitles, {"title Name"}},
        {"Shift with the left button held", withIndicator, 0, [&] { rightReleaseWhileMoving(MK_SHIFT | MK_LBUTTON); },
         {"right up shift left"}},
        {"Ctrl with the middle button held", withIndicator, 0,
         [&] { rightReleaseWhileMoving(MK_CONTROL | MK_MBUTTON); }, {"right up ctrl middle"}},
    };
    for (const auto& c : cases) {
        grid->SetOptions(c.options);
        grid->SetFixedCols(c.frozen);
        data.First();
        data.MoveBy(4);
        pump();
        heard.clear();
        c.input();
        EXPECT_EQ(heard, c.heard) << c.what;
        EXPECT_EQ(id(), 5) << c.what;
    }
}

TEST_F(TExDBGridTest, TheWheelMovesOneRecordAndMouseDownFiresOnce) {
    EXPECT_TRUE(grid->wheelDown());
    EXPECT_EQ(id(), 2);
    data.Last();
    EXPECT_FALSE(grid->wheelDown()) << "nothing moved at the end";

    int downs = 0;
    grid->OnMouseDown = [&](TPersistent*, TMouseButton, TShiftState, int, int) { ++downs; };
    const TPoint at = cellCentre(1, 3);
    tk::input::click(*grid, at.X, at.Y);
    pump();
    EXPECT_EQ(downs, 1);
}

TEST_F(TExDBGridTest, ADoubleClickFiresOnDblClickOnceAndLeavesTheRecordWhereTheFirstClickPutIt) {
    int doubles = 0;
    grid->OnDblClick = [&](TPersistent*) { ++doubles; };
    const TPoint at = cellCentre(1, 4);
    tk::input::click(*grid, at.X, at.Y);
    pump();
    const int clicked = id();
    EXPECT_NE(clicked, 1);
    tk::input::doubleClick(*grid, mbLeft, at.X, at.Y);
    tk::input::release(*grid, mbLeft, at.X, at.Y);
    pump();
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(id(), clicked);
}

TEST_F(TExDBGridTest, CharactersReachOnKeyPressOnceAfterTheFormsPreview) {
    std::vector<std::string> heard;
    form->SetKeyPreview(true);
    form->OnKeyPress = [&](TPersistent*, char& k) { heard.push_back(std::string("form ") + k); };
    grid->OnKeyPress = [&](TPersistent*, char& k) { heard.push_back(std::string("grid ") + k); };
    grid->SetOptions(grid->Options() & ~dgEditing);
    key(VK_RETURN, 0, '\r');
    key('A', 0, 'a');
    EXPECT_EQ(heard, (std::vector<std::string>{"form \r", "grid \r", "form a", "grid a"}));

    grid->SetOptions(grid->Options() | dgEditing);
    grid->SetSelectedIndex(1);
    key(VK_F2);
    ASSERT_TRUE(grid->EditorMode());
    heard.clear();
    tk::input::key(*grid->InplaceEditor(), 'B', 0, 'b');
    pump();
    EXPECT_EQ(heard, (std::vector<std::string>{"form b", "grid b"}));

    std::vector<std::uint16_t> downs;
    grid->OnKeyDown = [&](TPersistent*, std::uint16_t& k, TShiftState) { downs.push_back(k); };
    data.Close();
    key(VK_DOWN);
    EXPECT_EQ(downs, std::vector<std::uint16_t>{VK_DOWN});
}

TEST_F(TExDBGridTest, TheIndicatorMarksSelectedRowsAndAFailingTestKeepsTheActiveRecord) {
    grid->SetMultiSelect(true);
    data.MoveBy(2);
    grid->SelectedRows()->SetCurrentRowSelected(true);
    data.MoveBy(-2);
    repaint();
    EXPECT_TRUE(anyPixelIn(grid->CellRect(0, 3), clBlack)) << "a dot on the selected row";
    EXPECT_FALSE(anyPixelIn(grid->CellRect(2, 3), clBlack)) << "only in the indicator column";
    EXPECT_FALSE(anyPixelIn(grid->CellRect(0, 4), clBlack));

    const int active = grid->DataLink()->ActiveRecord();
    data.failCompare = true;
    repaint();
    data.failCompare = false;
    EXPECT_EQ(grid->DataLink()->ActiveRecord(), active);
}

TEST_F(TExDBGridTest, TheProgramsListsMoveByOneRecordDeleteNothingAndShowTheSelectionUnfocused) {
    tktest::MessageBoxLog answers;
    grid->SetReadOnly(true);
    grid->SetOptions(dgConfirmDelete | dgCancelOnExit);
    pump();
    EXPECT_EQ(grid->FixedRows(), 0);
    key(VK_DOWN);
    key(VK_DOWN);
    key(VK_UP);
    EXPECT_EQ(id(), 2);
    key(VK_DELETE, ssCtrl);
    EXPECT_TRUE(answers.boxes.empty());
    EXPECT_EQ(data.rows().size(), 40u);

    other->SetFocus();
    grid->SetOptions(dgConfirmDelete | dgCancelOnExit | dgAlwaysShowSelection);
    repaint();
    const TRect current = grid->CellRect(grid->Col(), grid->Row());
    EXPECT_EQ(grid->Canvas()->Pixels(current.Right - 3, current.Top + 3), ColorToRGB(clHighlight));
}

// An object field's title heads its parts across their cells, with its fold button at the right;
// a plain column's title reaches down to the last title row.
TEST(TExDBGridObjectTest, TitlesSpanTheirColumnsAndAnObjectTitleCarriesItsExpandButton) {
    tktest::AddressGridForm<TExDBGrid> shown;
    TExDBGrid* grid = shown.grid;
    grid->SetTitleButtons(true);
    grid->Columns()->Items(0)->Title()->SetColor(clLime);
    grid->Columns()->Items(1)->Title()->SetColor(clRed);
    grid->SetFixedCols(1);
    shown.paint();

    const TRect city = grid->CellRect(2, 0);
    const TRect zip = grid->CellRect(3, 0);
    const TRect id = grid->CellRect(1, 0);
    const TCanvas& canvas = *grid->Canvas();
    // One raised edge round the whole title: none where the cells meet, and no grid line.
    EXPECT_EQ(canvas.Pixels(zip.Left, zip.Top + 3), ColorToRGB(clRed)) << "across the parts";
    EXPECT_EQ(canvas.Pixels(city.Right - 1, city.Top + 3), ColorToRGB(clRed));
    EXPECT_EQ(canvas.Pixels(city.Right, city.Top + 3), ColorToRGB(clRed)) << "the line between the parts";
    EXPECT_EQ(canvas.Pixels(id.Right - 4, id.Bottom - 1), ColorToRGB(clLime)) << "down over the second title row";
    EXPECT_EQ(canvas.Pixels(id.Right - 4, id.Bottom), ColorToRGB(clLime)) << "the line between the title rows";
    EXPECT_EQ(canvas.Pixels(zip.Right, zip.Top + 3), ColorToRGB(clBlack)) << "the line at the title's edge";
    const int buttonLeft = zip.Right - 1 - GetSystemMetrics(SM_CXHSCROLL);
    EXPECT_EQ(canvas.Pixels(zip.Right - 3, zip.Top + 3), ColorToRGB(clBtnFace)) << "the fold button";
    EXPECT_EQ(canvas.Pixels(buttonLeft - 2, zip.Top + 3), ColorToRGB(clRed));
}

// The fold arrow's black pixels in each column of the button at a title's right end, left to
// right, columns without any left out.
std::vector<int> arrowColumns(const TExDBGrid& grid, const TRect& title) {
    std::vector<int> counts;
    for (int x = title.Right - GetSystemMetrics(SM_CXHSCROLL); x < title.Right; ++x) {
        int black = 0;
        for (int y = title.Top; y < title.Bottom; ++y)
            black += grid.Canvas()->Pixels(x, y) == clBlack ? 1 : 0;
        if (black > 0)
            counts.push_back(black);
    }
    return counts;
}

// Folded, an object column shows its parts' texts; unfolded, its parts. Either way it paints
// without raising, with its fold arrow whole inside its title: the arrow's tall side away from
// its tip, pointing right while folded and left while unfolded.
TEST(TExDBGridObjectTest, FoldedAndUnfoldedObjectColumnsPaintWithTheirArrowInsideTheTitle) {
    tktest::AddressGridForm<TExDBGrid> shown;
    TExDBGrid* grid = shown.grid;
    grid->SetTitleButtons(true);
    for (const bool expanded : {false, true}) {
        grid->Columns()->Items(1)->SetExpanded(expanded);
        shown.paint();
        EXPECT_TRUE(shown.raised.empty()) << shown.firstRaised();
        const TRect first = grid->CellRect(2, 0);
        const TRect title = Rect(first.Left, first.Top, grid->CellRect(expanded ? 3 : 2, 0).Right, first.Bottom);
        const std::vector<int> arrow = arrowColumns(*grid, title);
        ASSERT_GE(arrow.size(), 2u) << "expanded " << expanded;
        if (expanded)
            EXPECT_LT(arrow.front(), arrow.back()) << "pointing left";
        else
            EXPECT_GT(arrow.front(), arrow.back()) << "pointing right";
    }
}

} // namespace
