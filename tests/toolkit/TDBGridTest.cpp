// The data grid over the in-memory dataset of 1,000 records on a shown form: buffers and
// scrolling, mouse, repaints, columns, indicator, editing, appending, bookmarks, highlighting
// and object fields.
#include "toolkit/TDBGrid.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/AddressGridForm.h"
#include "support/MemoryDataSet.h"
#include "toolkit/Messages.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TBookmarkList.h"
#include "toolkit/TColumn.h"
#include "toolkit/TColumnTitle.h"
#include "toolkit/TDBGridColumns.h"
#include "toolkit/TDataSource.h"
#include "toolkit/TForm.h"
#include "toolkit/TGridDataLink.h"
#include "toolkit/TInplaceEdit.h"

namespace {

using tktest::MemoryDataSet;

// Records the record each data cell drew (its Id) with the brush it was given, and counts paints.
class TProbeDBGrid : public TDBGrid {
public:
    using TDBGrid::TDBGrid;
    struct Drawn {
        int dataRow;
        int id;
        TColor brush;
    };
    std::vector<Drawn> drawn;
    int paints = 0;
    using TDBGrid::ScrollBarMoved;

    std::vector<int> ids() const {
        std::vector<int> out;
        for (const Drawn& d : drawn)
            out.push_back(d.id);
        return out;
    }

protected:
    void Paint() override {
        ++paints;
        TDBGrid::Paint();
    }
    void DrawColumnCell(const TRect& Rect, int DataCol, TColumn* Column, TGridDrawState State) override {
        if (DataCol == 0)
            drawn.push_back({(Rect.Top - CellRect(1, FixedRows()).Top) / (DefaultRowHeight() + 1),
                             DataSource()->DataSet()->FieldByName("Id")->AsInteger(), Canvas()->Brush()->Color()});
        TDBGrid::DrawColumnCell(Rect, DataCol, Column, State);
    }
};

// Numbers its records by their Id, with gaps where ids were skipped, as a table in natural order
// numbers its rows as stored; a record number asked for is only noted.
class IdNumberedDataSet : public MemoryDataSet {
public:
    using MemoryDataSet::MemoryDataSet;
    std::vector<int> asked;
    void SetRecNo(int Value) override { asked.push_back(Value); }

protected:
    int GetRecNo() override { return IsEmpty() ? -1 : FieldByName("Id")->AsInteger(); }
};

class TDBGridTest : public testing::Test {
protected:
    TDBGridTest() {
        for (int i = 1; i <= 1000; ++i)
            data.addRow({Variant(i), Variant("Name " + std::to_string(i))});
        source.SetDataSet(&data);
        form->SetBounds(0, 0, 500, 400);
        grid->SetParent(form.get());
        grid->SetBounds(0, 0, 300, 10 * 25 + 2); // a title row and 9 data rows of 24 + lines
        grid->SetDataSource(&source);
        data.Open();
        form->Show();
        pump();
    }
    void pump() { Application->ProcessMessages(); }
    int id() const { return data.FieldByName("Id")->AsInteger(); }
    TPoint centreOfDataRow(int dataRow, int col = 1) const {
        const TRect r = grid->CellRect(col, grid->FixedRows() + dataRow);
        return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    void repaint() {
        grid->drawn.clear();
        grid->InvalidateGrid();
        pump();
    }

    TComponent owner{nullptr};
    MemoryDataSet data{&owner, {{"Id", ftInteger}, {"Name", ftString, 20}}};
    TDataSource source{&owner};
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TProbeDBGrid* grid = new TProbeDBGrid(form.get());
};

TEST_F(TDBGridTest, TheLinkHoldsTheVisibleRowsAndDownScrollsOneRecord) {
    EXPECT_EQ(grid->DataLink()->BufferCount(), 9);
    EXPECT_EQ(grid->VisibleRowCount(), 9);
    int scrolls = 0;
    data.AfterScroll = [&](TDataSet*) { ++scrolls; };
    data.MoveBy(8);
    scrolls = 0;
    grid->SetFocus();
    tk::input::key(*form, VK_DOWN);
    pump();
    EXPECT_EQ(scrolls, 1);
    EXPECT_EQ(id(), 10);
    repaint();
    EXPECT_EQ(grid->ids(), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(grid->Row(), grid->FixedRows() + 8);
    const TPoint p = centreOfDataRow(4);
    tk::input::wheel(*grid, -120, p.X, p.Y);
    pump();
    EXPECT_EQ(id(), 11) << "a notch of the wheel moves one record";
}

TEST_F(TDBGridTest, TheThumbGoesToTheRowAtItsPlaceWhateverTheRecordNumbers) {
    IdNumberedDataSet numbered{&owner, {{"Id", ftInteger}, {"Name", ftString, 20}}};
    for (int id : {1, 2, 3, 100, 101, 102, 103, 104, 105, 200})
        numbered.addRow({Variant(id), Variant("Name " + std::to_string(id))});
    source.SetDataSet(&numbered);
    numbered.Open();
    const struct {
        int position;
        int id;
    } cases[] = {{5, 101}, {10, 200}, {2, 2}, {1, 1}, {4, 100}};
    for (const auto& c : cases) {
        grid->ScrollBarMoved(/*Vertical=*/true, c.position);
        EXPECT_EQ(numbered.FieldByName("Id")->AsInteger(), c.id) << "thumb at " << c.position;
    }
    EXPECT_TRUE(numbered.asked.empty()) << "no record number is asked for";
    source.SetDataSet(&data);
}

TEST_F(TDBGridTest, AClickOnARowMovesTheDatasetByTheDifference) {
    data.MoveBy(4);
    const TPoint p = centreOfDataRow(2);
    tk::input::click(*grid, p.X, p.Y);
    pump();
    EXPECT_EQ(id(), 3);
    EXPECT_EQ(grid->DataLink()->ActiveRecord(), 2);
}

// A grid that cannot take the focus, its form hidden or itself disabled, handles the click
// without it; a grid being designed handles it without taking the focus.
TEST_F(TDBGridTest, AGridThatCannotTakeTheFocusStillMovesItsRecordOnAClick) {
    const struct {
        const char* what;
        bool formShown;
        bool gridEnabled;
        bool designing;
    } cases[] = {
        {"form hidden", false, true, false}, {"grid disabled", true, false, false}, {"designing", true, true, true}};
    for (const auto& c : cases) {
        form->SetVisible(true);
        grid->SetEnabled(true);
        form->SetFocus();
        form->SetVisible(c.formShown);
        grid->SetEnabled(c.gridEnabled);
        grid->SetDesigning(c.designing);
        pump();
        ASSERT_EQ(grid->CanFocus(), c.designing) << c.what;
        data.First();
        const TPoint p = centreOfDataRow(2);
        grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.X, p.Y));
        grid->Perform(WM_LBUTTONUP, 0, MAKELPARAM(p.X, p.Y));
        EXPECT_EQ(id(), 3) << c.what;
        EXPECT_FALSE(grid->Focused()) << c.what;
    }
    grid->SetDesigning(false);
}

TEST_F(TDBGridTest, DisabledControlsRepaintOnceAndAClosedDatasetLeavesTheGridEmpty) {
    const int paints = grid->paints;
    data.DisableControls();
    for (int i = 0; i < 100; ++i)
        data.Next();
    data.EnableControls();
    pump();
    EXPECT_EQ(grid->paints, paints + 1);
    EXPECT_EQ(id(), 101);
    data.Close();
    repaint();
    EXPECT_TRUE(grid->drawn.empty());
    EXPECT_EQ(grid->Columns()->Count(), 0);
}

TEST_F(TDBGridTest, DefaultColumnsFollowTheFieldsAndCustomisedOnesSurviveReopening) {
    ASSERT_EQ(grid->Columns()->Count(), 2);
    data.FieldByName("Id")->SetVisible(false);
    EXPECT_EQ(grid->Columns()->Count(), 1);
    EXPECT_EQ(grid->Fields(0)->FieldName(), "Name");
    data.FieldByName("Id")->SetVisible(true);

    // Dragging the first title onto the second moves its column.
    const TRect idTitle = grid->CellRect(1, 0);
    const TRect nameTitle = grid->CellRect(2, 0);
    tk::input::press(*grid, mbLeft, idTitle.Left + 10, 5);
    tk::input::move(*grid, nameTitle.Left + 10, 5, ssLeft);
    tk::input::release(*grid, mbLeft, nameTitle.Left + 10, 5);
    pump();
    EXPECT_EQ(grid->Fields(0)->FieldName(), "Name");
    EXPECT_EQ(grid->Fields(1)->FieldName(), "Id");
    EXPECT_EQ(grid->Columns()->State(), csCustomized);

    grid->Columns()->Clear();
    TColumn* column = grid->Columns()->Add();
    column->SetFieldName("Name");
    column->SetWidth(120);
    EXPECT_EQ(grid->Columns()->State(), csCustomized);
    data.Close();
    data.Open();
    ASSERT_EQ(grid->Columns()->Count(), 1);
    EXPECT_EQ(grid->Columns()->Items(0)->FieldName(), "Name");
    EXPECT_EQ(grid->ColWidths(1), 120);
    EXPECT_EQ(grid->SelectedField(), data.FieldByName("Name"));
}

TEST_F(TDBGridTest, TheIndicatorPointsAtTheCurrentRow) {
    data.MoveBy(3);
    repaint();
    auto blackIn = [this](int dataRow) {
        const TRect r = grid->CellRect(0, grid->FixedRows() + dataRow);
        for (int y = r.Top + 1; y < r.Bottom - 1; ++y)
            for (int x = r.Left + 1; x < r.Right - 1; ++x)
                if (grid->Canvas()->Pixels(x, y) == clBlack)
                    return true;
        return false;
    };
    EXPECT_TRUE(blackIn(3));
    EXPECT_FALSE(blackIn(2));
}

TEST_F(TDBGridTest, TheEditorPostsThroughOnSetTextAndARefusedPostLosesNothing) {
    std::vector<std::string> setTexts;
    data.FieldByName("Name")->OnSetText = [&](TField* field, const AnsiString& text) {
        setTexts.push_back(text);
        field->SetAsString(text);
    };
    grid->SetSelectedIndex(1);
    grid->SetFocus();
    tk::input::key(*form, VK_F2);
    pump();
    ASSERT_TRUE(grid->EditorMode());
    EXPECT_EQ(grid->InplaceEditor()->Text(), "Name 1");
    grid->InplaceEditor()->SetText("Renamed");
    tk::input::key(*form, VK_RETURN);
    pump();
    EXPECT_EQ(setTexts, (std::vector<std::string>{"Renamed"}));
    EXPECT_EQ(data.State(), dsBrowse);
    EXPECT_EQ(data.FieldByName("Name")->AsString(), "Renamed");

    tk::input::key(*form, VK_F2);
    pump();
    grid->InplaceEditor()->SetText("Dropped");
    tk::input::key(*form, VK_ESCAPE);
    pump();
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(data.FieldByName("Name")->AsString(), "Renamed");

    data.failPosts(1);
    tk::input::key(*form, VK_F2);
    pump();
    grid->InplaceEditor()->SetText("Kept");
    tk::input::key(*form, VK_RETURN);
    pump();
    EXPECT_TRUE(grid->EditorMode()) << "a refused post keeps the editor open";
    EXPECT_EQ(grid->InplaceEditor()->Text(), "Kept");
    EXPECT_EQ(data.State(), dsEdit);
    tk::input::key(*form, VK_RETURN);
    pump();
    EXPECT_EQ(data.FieldByName("Name")->AsString(), "Kept");
}

TEST_F(TDBGridTest, InsertInsertsAndDownAtTheEndAppends) {
    grid->SetFocus();
    tk::input::key(*form, VK_INSERT);
    pump();
    EXPECT_EQ(data.State(), dsInsert);
    data.Cancel();
    data.Last();
    tk::input::key(*form, VK_DOWN);
    pump();
    EXPECT_EQ(data.State(), dsInsert);
    EXPECT_TRUE(data.Eof() || data.FieldByName("Id")->IsNull());
    data.Cancel();
    grid->SetReadOnly(true);
    data.Last();
    tk::input::key(*form, VK_DOWN);
    tk::input::key(*form, VK_INSERT);
    pump();
    EXPECT_EQ(data.State(), dsBrowse) << "a read-only grid neither appends nor inserts";
}

TEST_F(TDBGridTest, SelectedRowsStayInOrderAndFollowTheDataset) {
    TBookmarkList* rows = grid->SelectedRows();
    for (int recNo : {7, 2, 5}) {
        data.SetRecNo(recNo);
        rows->SetCurrentRowSelected(true);
    }
    ASSERT_EQ(rows->Count(), 3);
    data.SetRecNo(2);
    const TBookmark second = data.GetBookmark();
    int index = -1;
    EXPECT_TRUE(rows->Find(second, index));
    EXPECT_EQ(index, 0) << "sorted by the dataset's order";
    EXPECT_TRUE(rows->CurrentRowSelected());
    data.SetRecNo(5);
    data.Delete();
    EXPECT_TRUE(rows->Refresh());
    EXPECT_EQ(rows->Count(), 2);
    rows->Delete();
    EXPECT_EQ(rows->Count(), 0);
    EXPECT_EQ(data.RecordCount(), 997);
    data.First();
    EXPECT_EQ(id(), 1);
    data.Next();
    EXPECT_EQ(id(), 3) << "record 2 was deleted";
}

TEST_F(TDBGridTest, HighlightFollowsRowSelectAndAlwaysShowSelection) {
    form->SetFocus();
    data.MoveBy(1);
    repaint();
    for (const auto& d : grid->drawn)
        EXPECT_NE(d.brush, clHighlight) << "no focus, no highlight";
    grid->SetOptions(grid->Options() | dgAlwaysShowSelection | dgRowSelect);
    repaint();
    int highlighted = 0;
    for (const auto& d : grid->drawn)
        highlighted += d.brush == clHighlight && d.id == 2;
    EXPECT_EQ(highlighted, 1);
    EXPECT_EQ(grid->Selection().Left, 1);
    EXPECT_EQ(grid->Selection().Right, grid->ColCount() - 1) << "the whole current row";
}

TEST(TDBGridObjectTest, AnObjectFieldHeadsItsPartsInASecondTitleRow) {
    tktest::AddressGridForm<TDBGrid> shown;
    TDBGrid* grid = shown.grid;
    TDBGridColumns* columns = grid->Columns();
    ASSERT_EQ(columns->Count(), 4);
    EXPECT_TRUE(columns->Items(1)->Expandable());
    EXPECT_EQ(columns->Items(1)->Depth(), 0);
    EXPECT_EQ(columns->Items(2)->Depth(), 1);
    EXPECT_EQ(columns->Items(3)->ParentColumn(), columns->Items(1));
    EXPECT_EQ(grid->FixedRows(), 2) << "one title row per depth";
    EXPECT_EQ(grid->FieldCount(), 3) << "the expanded parent shows through its parts";
    columns->Items(1)->SetExpanded(false);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->FieldCount(), 2);
}

// A title over several cells is one cell: the grid lines stop at its edges, also after a paint
// of other cells alone, and a folded object column paints its parts' texts.
TEST(TDBGridObjectTest, ASpannedTitleIsOneCellWithLinesAtItsEdgesOnly) {
    tktest::AddressGridForm<TDBGrid> shown;
    TDBGrid* grid = shown.grid;
    grid->Columns()->Items(0)->Title()->SetColor(clLime);
    grid->Columns()->Items(1)->Title()->SetColor(clRed);
    shown.paint();
    const TRect id = grid->CellRect(1, 0);
    const TRect city = grid->CellRect(2, 0);
    const TRect zip = grid->CellRect(3, 0);
    const TCanvas& canvas = *grid->Canvas();
    for (const char* paint : {"whole", "a data cell alone"}) {
        if (paint == std::string("whole"))
            grid->InvalidateGrid();
        else
            grid->InvalidateCell(2, 2);
        Application->ProcessMessages();
        EXPECT_EQ(canvas.Pixels(city.Right, city.Top + 5), clRed) << paint << ": between the parts";
        EXPECT_EQ(canvas.Pixels(id.Left + 5, id.Bottom), clLime) << paint << ": between the title rows";
        EXPECT_EQ(canvas.Pixels(zip.Right, zip.Top + 5), clBlack) << paint << ": at the right edge";
        EXPECT_EQ(canvas.Pixels(city.Left + 5, city.Bottom), clBlack) << paint << ": below the object's title";
    }

    grid->Columns()->Items(1)->SetExpanded(false);
    Application->ProcessMessages();
    EXPECT_TRUE(shown.raised.empty()) << shown.firstRaised();
}

} // namespace
