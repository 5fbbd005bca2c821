// The dataset's states, navigation, record buffer window and editing.
#include "toolkit/TDataSet.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/MemoryDataSet.h"
#include "support/ThrownText.h"
#include "RecordingDataLink.h"
#include "toolkit/EAbort.h"
#include "toolkit/TDataSource.h"
#include "toolkit/TField.h"
#include "toolkit/TIntegerField.h"
#include "toolkit/TStringField.h"

namespace {

using tktest::MemoryDataSet;
using tktest::RecordingDataLink;

class TDataSetTest : public testing::Test {
protected:
    // Rows with Id 1..rows and Name "Row <id>".
    void make(int rows) {
        data = std::make_unique<MemoryDataSet>(&owner, std::vector<tktest::MemoryFieldDef>{{"Id", ftInteger}, {"Name", ftString, 20}});
        data->SetName("Firms");
        for (int i = 1; i <= rows; ++i)
            data->addRow({Variant(i), Variant("Row " + std::to_string(i))});
    }
    // A link with `buffers` buffers on the dataset, as a grid of that many rows would hold.
    void link(int buffers) {
        source = std::make_unique<TDataSource>(&owner);
        source->SetDataSet(data.get());
        grid.SetBufferCount(buffers);
        grid.SetDataSource(source.get());
    }
    // make(rows), then link(buffers) when a window is wanted, then open.
    void open(int rows, int buffers = 0) {
        make(rows);
        if (buffers > 0) link(buffers);
        data->Open();
    }
    int id() const { return data->FieldByName("Id")->AsInteger(); }
    // The ids the buffers hold, in order.
    std::vector<int> window() {
        std::vector<int> ids;
        const int saved = grid.ActiveRecord();
        for (int i = 0; i < grid.RecordCount(); ++i) {
            grid.SetActiveRecord(i);
            ids.push_back(id());
        }
        grid.SetActiveRecord(saved);
        return ids;
    }

    TComponent owner{nullptr};
    std::unique_ptr<MemoryDataSet> data;
    std::unique_ptr<TDataSource> source;
    RecordingDataLink grid;
};

TEST_F(TDataSetTest, OpenFetchesTheFirstRowIntoDefaultFields) {
    open(3);
    EXPECT_EQ(data->State(), dsBrowse);
    EXPECT_TRUE(data->DefaultFields());
    ASSERT_EQ(data->FieldCount(), 2);
    EXPECT_EQ(id(), 1);
    EXPECT_EQ(data->FieldByName("name")->AsString(), "Row 1");
    EXPECT_TRUE(data->Bof());
    EXPECT_FALSE(data->Eof());
    data->Close();
    EXPECT_EQ(data->State(), dsInactive);
    EXPECT_EQ(data->FieldCount(), 0) << "default fields go with the cursor";
}

TEST_F(TDataSetTest, NavigationStopsAtBothEnds) {
    open(3);
    data->Prior();
    EXPECT_TRUE(data->Bof());
    EXPECT_EQ(id(), 1);
    data->Next();
    data->Next();
    EXPECT_EQ(id(), 3);
    EXPECT_FALSE(data->Eof());
    data->Next();
    EXPECT_TRUE(data->Eof());
    EXPECT_EQ(id(), 3) << "a move past the end stays on the last row";
    EXPECT_EQ(data->MoveBy(-10), -2);
    EXPECT_TRUE(data->Bof());
    data->Last();
    EXPECT_TRUE(data->Eof());
    EXPECT_EQ(id(), 3);
    data->First();
    EXPECT_TRUE(data->Bof());
    EXPECT_EQ(id(), 1);
}

TEST_F(TDataSetTest, EmptyDatasetIsBofAndEof) {
    open(0);
    EXPECT_TRUE(data->IsEmpty());
    EXPECT_TRUE(data->Bof() && data->Eof());
    EXPECT_TRUE(data->FieldByName("Id")->IsNull());
    EXPECT_EQ(data->Bookmark(), "");
    EXPECT_THROW(data->Delete(), EDatabaseError);
    data->Edit();
    EXPECT_EQ(data->State(), dsInsert) << "an edit on nothing inserts";
    data->FieldByName("Id")->SetAsInteger(7);
    data->Post();
    EXPECT_EQ(id(), 7);
    EXPECT_FALSE(data->IsEmpty());
}

TEST_F(TDataSetTest, MoveByAcrossTheBufferWindowSlidesIt) {
    open(20, 5);
    EXPECT_EQ(data->BufferCount(), 5);
    EXPECT_EQ(data->BufferRecordCount(), 5);
    EXPECT_EQ(window(), (std::vector<int>{1, 2, 3, 4, 5}));
    grid.clear();
    EXPECT_EQ(data->MoveBy(6), 6);
    EXPECT_EQ(id(), 7);
    EXPECT_EQ(window(), (std::vector<int>{3, 4, 5, 6, 7}));
    EXPECT_EQ(grid.ActiveRecord(), 4);
    EXPECT_EQ(grid.events, (std::vector<std::string>{"checkBrowseMode", "scrolled 2"})) << "the grid scrolls two rows";
    data->MoveBy(-5);
    EXPECT_EQ(id(), 2);
    EXPECT_EQ(window(), (std::vector<int>{2, 3, 4, 5, 6}));
    EXPECT_EQ(grid.ActiveRecord(), 0);
    EXPECT_EQ(data->MoveBy(100), 18);
    EXPECT_EQ(id(), 20);
    EXPECT_EQ(window(), (std::vector<int>{16, 17, 18, 19, 20}));
    data->First();
    data->Last();
    EXPECT_EQ(window(), (std::vector<int>{16, 17, 18, 19, 20})) << "Last fills the window backwards";
    EXPECT_EQ(grid.ActiveRecord(), 4);
}

TEST_F(TDataSetTest, DeleteResyncsOnTheFollowingRowOrTheLast) {
    open(4, 3);
    data->Next();
    data->Delete();
    EXPECT_EQ(id(), 3);
    EXPECT_EQ(window(), (std::vector<int>{1, 3, 4}));
    data->Last();
    data->Delete();
    EXPECT_EQ(id(), 3) << "deleting the last row lands on the new last one";
    data->Delete();
    data->Delete();
    EXPECT_TRUE(data->IsEmpty());
    EXPECT_TRUE(data->Bof() && data->Eof());
    EXPECT_TRUE(data->rows().empty());
}

TEST_F(TDataSetTest, EditAndDeleteRunWithTheCursorOnTheActiveRecord) {
    open(10, 5);
    data->MoveBy(2);
    data->CursorPosChanged(); // as a blob read would leave the source cursor elsewhere
    data->log().clear();
    data->Edit();
    EXPECT_EQ(data->log(), (std::vector<std::string>{"InternalSetToRecord", "InternalEdit at 2"}));
    data->Cancel();
    data->CursorPosChanged();
    data->log().clear();
    data->Delete();
    ASSERT_GE(data->log().size(), 2u);
    EXPECT_EQ(data->log()[0], "InternalSetToRecord");
    EXPECT_EQ(data->log()[1], "InternalDelete at 2");
}

TEST_F(TDataSetTest, InsertAndPostLeaveTheNewRowCurrent) {
    open(5, 5);
    data->MoveBy(2);
    data->Insert();
    EXPECT_EQ(data->State(), dsInsert);
    EXPECT_TRUE(data->FieldByName("Id")->IsNull());
    EXPECT_EQ(window(), (std::vector<int>{1, 2, 0, 3, 4})) << "the new row sits before the one that was current";
    data->FieldByName("Id")->SetAsInteger(99);
    data->FieldByName("Name")->SetAsString("New");
    EXPECT_TRUE(data->Modified());
    data->Post();
    EXPECT_EQ(data->State(), dsBrowse);
    EXPECT_EQ(id(), 99);
    EXPECT_EQ(data->FieldByName("Name")->AsString(), "New");
    ASSERT_EQ(data->rows().size(), 6u);
    EXPECT_EQ(data->intAt(2, 0), 99);
    EXPECT_EQ(window(), (std::vector<int>{1, 2, 99, 3, 4}));
    data->Append();
    data->FieldByName("Id")->SetAsInteger(50);
    data->Post();
    EXPECT_EQ(id(), 50);
    EXPECT_EQ(data->intAt(6, 0), 50) << "an appended row goes after the last";
}

TEST_F(TDataSetTest, InsertWhoseRecordInitFailsLeavesTheWindowAsItWas) {
    open(5, 5);
    data->MoveBy(2);
    data->failInitRecords(1);
    EXPECT_THROW(data->Insert(), EDatabaseError);
    EXPECT_EQ(data->State(), dsBrowse);
    EXPECT_EQ(id(), 3);
    EXPECT_EQ(window(), (std::vector<int>{1, 2, 3, 4, 5}));
    data->Insert();
    EXPECT_EQ(window(), (std::vector<int>{1, 2, 0, 3, 4}));
}

TEST_F(TDataSetTest, CancelReturnsToTheRecordAsItWas) {
    open(3);
    data->Next();
    data->Edit();
    data->FieldByName("Name")->SetAsString("Changed");
    data->Cancel();
    EXPECT_EQ(data->FieldByName("Name")->AsString(), "Row 2");
    data->Insert();
    data->FieldByName("Id")->SetAsInteger(42);
    data->Cancel();
    EXPECT_EQ(id(), 2) << "cancelling an insert returns to the row that was current";
    EXPECT_EQ(data->rows().size(), 3u);
}

TEST_F(TDataSetTest, CloseDuringAnEditDropsIt) {
    open(2);
    data->Edit();
    data->FieldByName("Name")->SetAsString("Lost");
    data->Close();
    EXPECT_EQ(data->State(), dsInactive);
    data->Open();
    EXPECT_EQ(data->FieldByName("Name")->AsString(), "Row 1");
    EXPECT_TRUE(std::find(data->log().begin(), data->log().end(), "InternalPost edit") == data->log().end());
}

TEST_F(TDataSetTest, CheckBrowseModePostsAModifiedEditAndCancelsAnUntouchedOne) {
    open(3);
    data->Edit();
    data->FieldByName("Name")->SetAsString("Kept");
    data->Next();
    EXPECT_EQ(data->State(), dsBrowse);
    data->Prior();
    EXPECT_EQ(data->FieldByName("Name")->AsString(), "Kept");
    data->log().clear();
    data->Edit();
    data->Next();
    EXPECT_EQ(std::count(data->log().begin(), data->log().end(), "InternalPost edit"), 0);
}

TEST_F(TDataSetTest, StateChangesReachTheLinks) {
    make(2);
    link(1);
    EXPECT_EQ(grid.events, std::vector<std::string>{});
    data->Open();
    EXPECT_EQ(grid.events, (std::vector<std::string>{"active"}));
    grid.clear();
    data->Edit();
    EXPECT_EQ(grid.events, (std::vector<std::string>{"checkBrowseMode", "editing", "recordChanged"}));
    grid.clear();
    data->FieldByName("Name")->SetAsString("x");
    EXPECT_EQ(grid.events, (std::vector<std::string>{"recordChanged Name"}));
    grid.clear();
    data->Post();
    EXPECT_EQ(grid.events, (std::vector<std::string>{"updateData", "checkBrowseMode", "notEditing", "dataSetChanged"}));
    grid.clear();
    data->Close();
    EXPECT_EQ(grid.events, (std::vector<std::string>{"inactive"}));
}

// Every refusal names the dataset, reaches no call of the descendant and leaves the row current;
// a bookmark of the wrong size must not reach it either, as it reads BookmarkSize bytes.
TEST_F(TDataSetTest, RefusalsNameTheDatasetAndTouchNothing) {
    const struct {
        const char* what;
        bool readOnly, opened;
        std::function<void(MemoryDataSet&)> call;
        const char* message;
    } refusals[] = {
        {"post in browse mode", false, true, [](MemoryDataSet& d) { d.Post(); }, "Firms: Dataset not in edit or insert mode"},
        {"field set in browse mode", false, true, [](MemoryDataSet& d) { d.FieldByName("Id")->SetAsInteger(1); },
         "Firms: Dataset not in edit or insert mode"},
        {"edit when read-only", true, true, [](MemoryDataSet& d) { d.Edit(); }, "Firms: Cannot modify a read-only dataset"},
        {"insert when read-only", true, true, [](MemoryDataSet& d) { d.Insert(); }, "Firms: Cannot modify a read-only dataset"},
        {"move when closed", false, false, [](MemoryDataSet& d) { d.First(); },
         "Firms: Cannot perform this operation on a closed dataset"},
        {"check inactive when open", false, true, [](MemoryDataSet& d) { d.CheckInactive(); },
         "Firms: Cannot perform this operation on an open dataset"},
        {"unknown field", false, true, [](MemoryDataSet& d) { d.FieldByName("Missing"); }, "Firms: Field 'Missing' not found"},
        {"unknown field in a list", false, true, [](MemoryDataSet& d) {
             std::vector<TField*> list;
             d.GetFieldList(list, "Id;Nope");
         }, "Firms: Field 'Nope' not found"},
        {"bookmark of the wrong size", false, true, [](MemoryDataSet& d) { d.GotoBookmark("\x01"); }, "Firms: Invalid bookmark"},
    };
    for (const auto& r : refusals) {
        SCOPED_TRACE(r.what);
        make(3);
        data->setReadOnly(r.readOnly);
        if (r.opened) data->Open();
        data->log().clear();
        EXPECT_EQ(tktest::thrownText<EDatabaseError>([&] { r.call(*data); }), r.message);
        EXPECT_EQ(data->log(), std::vector<std::string>{});
        if (r.opened) {
            EXPECT_EQ(id(), 1);
        }
    }
}

TEST_F(TDataSetTest, BookmarksReturnToTheirRowAndCompare) {
    open(30, 5);
    data->MoveBy(3);
    const TBookmark fourth = data->GetBookmark();
    data->MoveBy(20);
    const TBookmark later = data->Bookmark();
    EXPECT_LT(data->CompareBookmarks(fourth, later), 0);
    EXPECT_EQ(data->CompareBookmarks(TBookmark(), later), 1);
    data->GotoBookmark(fourth);
    EXPECT_EQ(id(), 4);
    EXPECT_EQ(grid.ActiveRecord(), 2) << "the row is centred in the window";
    EXPECT_EQ(window(), (std::vector<int>{2, 3, 4, 5, 6}));
    EXPECT_TRUE(data->BookmarkValid(later));
    data->SetBookmark(later);
    EXPECT_EQ(id(), 24);
    data->Delete();
    EXPECT_FALSE(data->BookmarkValid(later));
    EXPECT_THROW(data->GotoBookmark(later), EDatabaseError);
}

TEST_F(TDataSetTest, TemporaryStatesTellNobody) {
    open(2, 1);
    grid.clear();
    const TDataSetState saved = data->setTempState(dsCalcFields);
    EXPECT_EQ(data->State(), dsCalcFields);
    EXPECT_TRUE(data->ControlsDisabled());
    data->restoreState(saved);
    EXPECT_EQ(data->State(), dsBrowse);
    EXPECT_FALSE(data->ControlsDisabled());
    EXPECT_TRUE(grid.events.empty());
}

TEST_F(TDataSetTest, CalculatedFieldsAreComputedForEveryFetchedRow) {
    make(3);
    auto* idField = new TIntegerField(&owner);
    idField->SetFieldName("Id");
    idField->SetDataSet(data.get());
    auto* twice = new TIntegerField(&owner);
    twice->SetFieldName("Twice");
    twice->SetFieldKind(fkCalculated);
    twice->SetDataSet(data.get());
    data->OnCalcFields = [&](TDataSet*) { twice->SetAsInteger(idField->AsInteger() * 2); };
    data->Open();
    EXPECT_FALSE(data->DefaultFields());
    EXPECT_EQ(data->FieldCount(), 2) << "persistent fields only: Name has none";
    EXPECT_EQ(twice->FieldNo(), -1);
    EXPECT_EQ(data->CalcFieldsSize(), 5);
    EXPECT_EQ(twice->AsInteger(), 2);
    data->Last();
    EXPECT_EQ(twice->AsInteger(), 6);
    data->Edit();
    idField->SetAsInteger(10);
    EXPECT_EQ(twice->AsInteger(), 20) << "AutoCalcFields recalculates after a data field changes";
    data->Cancel();
    EXPECT_FALSE(twice->CanModify());
    data->Close();
    EXPECT_EQ(data->FieldCount(), 2) << "persistent fields stay after close";
}

TEST_F(TDataSetTest, OnFilterRecordHidesRowsWhileFiltered) {
    make(6);
    data->OnFilterRecord = [](TDataSet* ds, bool& accept) { accept = ds->FieldByName("Id")->AsInteger() % 2 == 0; };
    data->SetFiltered(true);
    data->Open();
    std::vector<int> seen;
    for (; !data->Eof(); data->Next())
        seen.push_back(id());
    EXPECT_EQ(seen, (std::vector<int>{2, 4, 6}));
    data->Prior();
    EXPECT_EQ(id(), 4);
}

TEST_F(TDataSetTest, LocateMovesToTheFirstMatchAndCentresIt) {
    open(20, 5);
    EXPECT_TRUE(data->Locate("Name", Variant("Row 12"), 0));
    EXPECT_EQ(id(), 12);
    EXPECT_EQ(window(), (std::vector<int>{10, 11, 12, 13, 14}));
    EXPECT_TRUE(data->Locate("name", Variant("row 7"), loCaseInsensitive));
    EXPECT_EQ(id(), 7);
    EXPECT_TRUE(data->Locate("Name", Variant("Row 1"), loPartialKey));
    EXPECT_EQ(id(), 1);
    EXPECT_TRUE(data->Locate("Id;Name", VarArrayOf({Variant(15), Variant("Row 15")}), 0));
    EXPECT_EQ(id(), 15);
}

TEST_F(TDataSetTest, FailedLocateLeavesTheRecordAndWindowAlone) {
    open(20, 5);
    data->MoveBy(8);
    const std::vector<int> before = window();
    EXPECT_FALSE(data->Locate("Name", Variant("nowhere"), 0));
    EXPECT_FALSE(data->Locate("Id;Name", VarArrayOf({Variant(3), Variant("Row 4")}), 0));
    EXPECT_EQ(id(), 9);
    EXPECT_EQ(window(), before);
    data->Next();
    EXPECT_EQ(id(), 10) << "the source cursor was put back before moving on";
}

TEST_F(TDataSetTest, LookupAnswersWithoutMoving) {
    open(10);
    data->MoveBy(2);
    EXPECT_EQ(data->Lookup("Id", Variant(8), "Name").AsString(), "Row 8");
    EXPECT_EQ(id(), 3);
    const Variant both = data->Lookup("Name", Variant("Row 5"), "Id;Name");
    ASSERT_TRUE(both.IsArray());
    EXPECT_EQ(both[0].AsInteger(), 5);
    EXPECT_EQ(both[1].AsString(), "Row 5");
    EXPECT_TRUE(data->Lookup("Id", Variant(99), "Name").IsNull());
    data->Next();
    EXPECT_EQ(id(), 4);
}

TEST_F(TDataSetTest, DisableControlsHoldsBackNotificationsUntilEnabled) {
    open(10, 3);
    grid.clear();
    data->DisableControls();
    data->DisableControls();
    data->Next();
    data->Close();
    data->Open();
    data->Last();
    EXPECT_TRUE(data->ControlsDisabled());
    data->EnableControls();
    EXPECT_TRUE(grid.events.empty());
    data->EnableControls();
    EXPECT_FALSE(data->ControlsDisabled());
    EXPECT_EQ(grid.events, (std::vector<std::string>{"layoutChanged"})) << "a close inside the bracket asks for a new layout";
    EXPECT_EQ(grid.ActiveRecord(), 2);

    grid.clear();
    data->DisableControls();
    data->First();
    data->EnableControls();
    EXPECT_EQ(grid.events, (std::vector<std::string>{"dataSetChanged"}));
    EXPECT_EQ(grid.ActiveRecord(), 0);
}

TEST_F(TDataSetTest, EnableControlsReportsAStateChange) {
    make(3);
    link(1);
    data->DisableControls();
    data->Open();
    EXPECT_FALSE(grid.Active());
    data->EnableControls();
    EXPECT_TRUE(grid.Active());
    EXPECT_EQ(grid.events, (std::vector<std::string>{"active"})) << "from inactive: no data-set change";
}

TEST_F(TDataSetTest, ScrollEventsFrameEveryMove) {
    make(3);
    std::vector<std::string> events;
    data->BeforeScroll = [&](TDataSet*) { events.push_back("before"); };
    data->AfterScroll = [&](TDataSet* ds) { events.push_back("after " + ds->FieldByName("Id")->AsString()); };
    data->AfterOpen = [&](TDataSet*) { events.push_back("open"); };
    data->Open();
    data->Next();
    data->Last();
    EXPECT_EQ(events, (std::vector<std::string>{"open", "after 1", "before", "after 2", "before", "after 3"}));
}

TEST_F(TDataSetTest, PostErrorEventMayRetryOrAbort) {
    open(2);
    data->Edit();
    data->FieldByName("Id")->SetAsInteger(3);
    int calls = 0;
    data->OnPostError = [&](TDataSet*, EDatabaseError&, TDataAction& action) { action = ++calls == 1 ? daRetry : daAbort; };
    data->failPosts(1);
    data->Post();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(data->State(), dsBrowse);
    EXPECT_EQ(data->intAt(0, 0), 3);

    data->Edit();
    data->FieldByName("Id")->SetAsInteger(4);
    data->failPosts(5);
    EXPECT_THROW(data->Post(), EAbort);
    EXPECT_EQ(data->State(), dsEdit) << "a failed post leaves the edit pending";
    data->OnPostError = nullptr;
    EXPECT_THROW(data->Post(), EDatabaseError);
    data->failPosts(0);
    data->Post();
    EXPECT_EQ(data->intAt(0, 0), 4);
}

TEST_F(TDataSetTest, RecNoAndRecordCountComeFromTheDescendant) {
    open(7, 3);
    EXPECT_EQ(data->RecordCount(), 7);
    data->SetRecNo(5);
    EXPECT_EQ(data->RecNo(), 5);
    EXPECT_EQ(id(), 5);
    EXPECT_EQ(window(), (std::vector<int>{4, 5, 6}));
}

TEST_F(TDataSetTest, LayoutReaderOpensOnLoaded) {
    make(2);
    data->BeginLoading();
    data->SetActive(true);
    EXPECT_FALSE(data->Active());
    data->EndLoading();
    EXPECT_TRUE(data->Active());
}

TEST_F(TDataSetTest, FieldListResolvesNamesInOrder) {
    open(1);
    std::vector<TField*> list;
    data->GetFieldList(list, " Name ; id");
    EXPECT_EQ(list, (std::vector<TField*>{data->FieldByName("Name"), data->FieldByName("Id")}));
    for (TField* field : list)
        field->SetProviderFlags(pfInKey);
    EXPECT_EQ(data->PSGetKeyFields(), "Id;Name") << "key fields in the dataset's order";
}

} // namespace
