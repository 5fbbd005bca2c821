// The dataset's states, navigation, record buffer window and editing.
#include "toolkit/TDataSet.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/MemoryDataSet.h"
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
    make(3);
    data->Open();
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
    make(3);
    data->Open();
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
    make(0);
    data->Open();
    EXPECT_TRUE(data->IsEmpty());
    EXPECT_TRUE(data->Bof() && data->Eof());
    EXPECT_TRUE(data->FieldByName("Id")->IsNull());
    EXPECT_EQ(data->Bookmark(), "");
    EXPECT_THROW(data->Delete(), EDatabaseError);
}

TEST_F(TDataSetTest, MoveByAcrossTheBufferWindowSlidesIt) {
    make(20);
    link(5);
    data->Open();
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
}

TEST_F(TDataSetTest, LastFillsTheWindowBackwards) {
    make(10);
    link(4);
    data->Open();
    data->Last();
    EXPECT_EQ(window(), (std::vector<int>{7, 8, 9, 10}));
    EXPECT_EQ(grid.ActiveRecord(), 3);
}

TEST_F(TDataSetTest, DeleteResyncsOnTheFollowingRowOrTheLast) {
    make(4);
    link(3);
    data->Open();
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
    EXPECT_TRUE(data->rows().empty());
}

TEST_F(TDataSetTest, EditAndDeleteRunWithTheCursorOnTheActiveRecord) {
    make(10);
    link(5);
    data->Open();
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
    make(5);
    link(5);
    data->Open();
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
}

TEST_F(TDataSetTest, InsertWhoseRecordInitFailsLeavesTheWindowAsItWas) {
    make(5);
    link(5);
    data->Open();
    data->MoveBy(2);
    data->failInitRecords(1);
    EXPECT_THROW(data->Insert(), EDatabaseError);
    EXPECT_EQ(data->State(), dsBrowse);
    EXPECT_EQ(id(), 3);
    EXPECT_EQ(window(), (std::vector<int>{1, 2, 3, 4, 5}));
    data->Insert();
    EXPECT_EQ(window(), (std::vector<int>{1, 2, 0, 3, 4}));
}

TEST_F(TDataSetTest, AppendPostsAfterTheLastRow) {
    make(3);
    data->Open();
    data->Append();
    data->FieldByName("Id")->SetAsInteger(50);
    data->Post();
    EXPECT_EQ(id(), 50);
    EXPECT_EQ(data->intAt(3, 0), 50);
    data->Next();
    EXPECT_TRUE(data->Eof());
}

TEST_F(TDataSetTest, InsertIntoAnEmptyDatasetAndEditOnEmptyInserts) {
    make(0);
    data->Open();
    data->Edit();
    EXPECT_EQ(data->State(), dsInsert);
    data->FieldByName("Id")->SetAsInteger(7);
    data->Post();
    EXPECT_EQ(id(), 7);
    EXPECT_FALSE(data->IsEmpty());
}

TEST_F(TDataSetTest, CancelReturnsToTheRecordAsItWas) {
    make(3);
    data->Open();
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
    make(2);
    data->Open();
    data->Edit();
    data->FieldByName("Name")->SetAsString("Lost");
    data->Close();
    EXPECT_EQ(data->State(), dsInactive);
    data->Open();
    EXPECT_EQ(data->FieldByName("Name")->AsString(), "Row 1");
    EXPECT_TRUE(std::find(data->log().begin(), data->log().end(), "InternalPost edit") == data->log().end());
}

TEST_F(TDataSetTest, CheckBrowseModePostsAModifiedEditAndCancelsAnUntouchedOne) {
    make(3);
    data->Open();
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

TEST_F(TDataSetTest, PostOutsideEditingIsRefused) {
    make(1);
    data->Open();
    try {
        data->Post();
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "Firms: Dataset not in edit or insert mode");
    }
    EXPECT_THROW(data->FieldByName("Id")->SetAsInteger(1), EDatabaseError);
}

TEST_F(TDataSetTest, ReadOnlyDatasetRefusesEditing) {
    make(1);
    data->setReadOnly(true);
    data->Open();
    try {
        data->Edit();
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "Firms: Cannot modify a read-only dataset");
    }
    EXPECT_THROW(data->Insert(), EDatabaseError);
    EXPECT_FALSE(data->FieldByName("Id")->CanModify());
}

TEST_F(TDataSetTest, ClosedAndOpenChecksName) {
    make(1);
    try {
        data->First();
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "Firms: Cannot perform this operation on a closed dataset");
    }
    data->Open();
    try {
        data->CheckInactive();
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "Firms: Cannot perform this operation on an open dataset");
    }
    try {
        data->FieldByName("Missing");
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "Firms: Field 'Missing' not found");
    }
}

TEST_F(TDataSetTest, BookmarksReturnToTheirRowAndCompare) {
    make(30);
    link(5);
    data->Open();
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
}

TEST_F(TDataSetTest, GotoBookmarkOfADeletedRowRaisesRecordNotFound) {
    make(3);
    data->Open();
    data->Next();
    const TBookmark second = data->Bookmark();
    data->Delete();
    EXPECT_FALSE(data->BookmarkValid(second));
    EXPECT_THROW(data->GotoBookmark(second), EDatabaseError);
}

TEST_F(TDataSetTest, BookmarkOfTheWrongSizeNeverReachesTheDescendant) {
    make(3);
    data->Open();
    data->log().clear();
    try {
        data->GotoBookmark("\x01");
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "Firms: Invalid bookmark");
    }
    EXPECT_TRUE(data->log().empty());
    EXPECT_EQ(id(), 1);
}

TEST_F(TDataSetTest, TemporaryStatesTellNobody) {
    make(2);
    link(1);
    data->Open();
    grid.clear();
    const TDataSetState saved = data->setTempState(dsCalcFields);
    EXPECT_EQ(data->State(), dsCalcFields);
    EXPECT_TRUE(data->ControlsDisabled());
    data->restoreState(saved);
    EXPECT_EQ(data->State(), dsBrowse);
    EXPECT_FALSE(data->ControlsDisabled());
    EXPECT_TRUE(grid.events.empty());
}

TEST_F(TDataSetTest, ResyncWithoutACurrentRowFallsBackToNextThenPrior) {
    make(3);
    data->Open();
    data->Last();
    data->Delete();
    EXPECT_EQ(id(), 2);
    data->Delete();
    data->Delete();
    EXPECT_TRUE(data->IsEmpty());
    EXPECT_TRUE(data->Bof() && data->Eof());
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

TEST_F(TDataSetTest, OnFilterRecordRejectingEverythingLeavesTheDatasetEmpty) {
    make(4);
    data->OnFilterRecord = [](TDataSet*, bool& accept) { accept = false; };
    data->SetFiltered(true);
    data->Open();
    EXPECT_TRUE(data->IsEmpty());
}

TEST_F(TDataSetTest, LocateMovesToTheFirstMatchAndCentresIt) {
    make(20);
    link(5);
    data->Open();
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
    make(20);
    link(5);
    data->Open();
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
    make(10);
    data->Open();
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
    make(10);
    link(3);
    data->Open();
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
    make(2);
    data->Open();
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
    make(7);
    link(3);
    data->Open();
    EXPECT_EQ(data->RecordCount(), 7);
    data->SetRecNo(5);
    EXPECT_EQ(data->RecNo(), 5);
    EXPECT_EQ(id(), 5);
    EXPECT_EQ(window(), (std::vector<int>{4, 5, 6}));
}

TEST_F(TDataSetTest, MasterChainDetectsCircularLinks) {
    make(1);
    link(1);
    EXPECT_TRUE(data->IsLinkedTo(source.get()));
    TDataSource other(&owner);
    EXPECT_FALSE(data->IsLinkedTo(&other));
    EXPECT_FALSE(data->IsLinkedTo(nullptr));
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
    make(1);
    data->Open();
    std::vector<TField*> list;
    data->GetFieldList(list, " Name ; id");
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0]->FieldName(), "Name");
    EXPECT_EQ(list[1]->FieldName(), "Id");
    EXPECT_THROW(data->GetFieldList(list, "Id;Nope"), EDatabaseError);
}

TEST_F(TDataSetTest, ProviderDefaultsKnowNoSql) {
    make(1);
    data->Open();
    data->FieldByName("Id")->SetProviderFlags(pfInKey | pfInWhere);
    data->FieldByName("Name")->SetProviderFlags(pfInKey);
    EXPECT_EQ(data->PSGetKeyFields(), "Id;Name");
    EXPECT_THROW(data->PSExecuteStatement("select 1", nullptr), EDatabaseError);
    EXPECT_FALSE(data->PSUpdateRecord(ukModify, data.get()));
    EXPECT_EQ(data->PSGetDefaultOrder(), nullptr);
}

} // namespace
