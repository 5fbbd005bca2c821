// Data links between a dataset and its controls: buffer windows, event order and lifetimes.
#include "toolkit/TDataLink.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/MemoryDataSet.h"
#include "RecordingDataLink.h"
#include "toolkit/TDataSource.h"
#include "toolkit/TField.h"

namespace {

using tktest::MemoryDataSet;
using tktest::RecordingDataLink;

class TDataLinkTest : public testing::Test {
protected:
    TDataLinkTest() {
        for (int i = 1; i <= 50; ++i)
            data.addRow({Variant(i)});
        source.SetDataSet(&data);
    }
    int id() const { return data.FieldByName("Id")->AsInteger(); }

    TComponent owner{nullptr};
    MemoryDataSet data{&owner, {{"Id", ftInteger}}};
    TDataSource source{&owner};
};

TEST_F(TDataLinkTest, GridPaintsOtherRowsAndPutsTheActiveOneBack) {
    RecordingDataLink grid;
    grid.SetBufferCount(20);
    grid.SetDataSource(&source);
    data.Open();
    EXPECT_EQ(data.BufferCount(), 20);
    EXPECT_EQ(grid.RecordCount(), 20);
    data.MoveBy(25);
    ASSERT_EQ(id(), 26);
    EXPECT_EQ(grid.ActiveRecord(), 19);

    // What a grid does while painting its rows: every row in turn, then the current one back.
    const int current = grid.ActiveRecord();
    std::vector<int> painted;
    for (int row = 0; row < grid.RecordCount(); ++row) {
        grid.SetActiveRecord(row);
        painted.push_back(id());
    }
    grid.SetActiveRecord(current);
    EXPECT_EQ(painted.front(), 7);
    EXPECT_EQ(painted.back(), 26);
    EXPECT_EQ(id(), 26);
    data.Next();
    EXPECT_EQ(id(), 27) << "the source cursor follows the active record, not the last painted one";
}

TEST_F(TDataLinkTest, DatasetKeepsTheLargestBufferCountOfItsLinks) {
    RecordingDataLink editor;
    RecordingDataLink grid;
    editor.SetDataSource(&source);
    grid.SetDataSource(&source);
    data.Open();
    EXPECT_EQ(data.BufferCount(), 1);
    data.Last();
    grid.SetBufferCount(4);
    EXPECT_EQ(grid.ActiveRecord(), 3) << "at the end, growing fills the window before the active record";
    grid.SetBufferCount(1);
    data.First();
    data.MoveBy(10);
    grid.SetBufferCount(8);
    EXPECT_EQ(data.BufferCount(), 8);
    EXPECT_EQ(id(), 11);
    EXPECT_EQ(grid.ActiveRecord(), 0) << "growing fills the window after the active record first";
    EXPECT_EQ(grid.RecordCount(), 8);
    EXPECT_EQ(editor.ActiveRecord(), 0) << "a one-row link always sees the current record";
    grid.SetDataSource(nullptr);
    EXPECT_EQ(data.BufferCount(), 1);
    EXPECT_EQ(id(), 11) << "shrinking keeps the active record";
    data.Next();
    EXPECT_EQ(id(), 12);
}

TEST_F(TDataLinkTest, WindowFollowsTheActiveRecordWhenTheDatasetHoldsMoreBuffers) {
    RecordingDataLink big;
    big.SetBufferCount(10);
    RecordingDataLink small;
    small.SetBufferCount(3);
    big.SetDataSource(&source);
    small.SetDataSource(&source);
    data.Open();
    EXPECT_EQ(small.RecordCount(), 3);
    data.MoveBy(5);
    EXPECT_EQ(big.ActiveRecord(), 5);
    EXPECT_EQ(small.ActiveRecord(), 2) << "the small window slides to keep the active record at its edge";
    data.MoveBy(-4);
    EXPECT_EQ(small.ActiveRecord(), 0);
    EXPECT_EQ(big.ActiveRecord(), 1);
}

TEST_F(TDataLinkTest, OneRowLinksHearEventsBeforeGrids) {
    std::vector<std::string> order;
    struct OrderLink : RecordingDataLink {
        std::vector<std::string>* order = nullptr;
        std::string name;
        void DataSetChanged() override { order->push_back(name); }
    };
    OrderLink grid, editor;
    grid.order = editor.order = &order;
    grid.name = "grid";
    editor.name = "editor";
    grid.SetBufferCount(5);
    grid.SetDataSource(&source);
    editor.SetDataSource(&source);
    data.Open();
    order.clear();
    data.First();
    EXPECT_EQ(order, (std::vector<std::string>{"editor", "grid"}));
}

TEST_F(TDataLinkTest, InactiveLinkHearsNothingButStateChanges) {
    RecordingDataLink link;
    link.SetDataSource(&source);
    EXPECT_FALSE(link.Active());
    EXPECT_EQ(link.RecordCount(), 0);
    data.Open();
    EXPECT_TRUE(link.Active());
    source.SetEnabled(false);
    EXPECT_FALSE(link.Active());
    link.clear();
    data.Next();
    EXPECT_TRUE(link.events.empty());
    source.SetEnabled(true);
    EXPECT_EQ(link.events, (std::vector<std::string>{"active"}));
}

TEST_F(TDataLinkTest, ReadOnlyLinkNeverEdits) {
    RecordingDataLink link;
    link.SetReadOnly(true);
    link.SetDataSource(&source);
    data.Open();
    EXPECT_FALSE(link.Edit());
    EXPECT_EQ(data.State(), dsBrowse);
    link.SetReadOnly(false);
    EXPECT_TRUE(link.Edit());
    EXPECT_EQ(data.State(), dsEdit);
}

TEST_F(TDataLinkTest, LinkLeavesItsSourceWhenFreed) {
    {
        RecordingDataLink link;
        link.SetBufferCount(6);
        link.SetDataSource(&source);
        data.Open();
        EXPECT_EQ(data.BufferCount(), 6);
    }
    EXPECT_EQ(data.BufferCount(), 1);
    data.Next();
    EXPECT_EQ(id(), 2);
}

TEST_F(TDataLinkTest, ShrinkingWhileControlsAreDisabledKeepsEveryWindowInsideTheBuffers) {
    RecordingDataLink grid;
    grid.SetBufferCount(10);
    RecordingDataLink strip;
    strip.SetBufferCount(3);
    grid.SetDataSource(&source);
    strip.SetDataSource(&source);
    data.Open();
    data.DisableControls();
    data.MoveBy(9); // the end of the grid's window; the strip has not heard of it
    grid.SetBufferCount(3);
    data.MoveBy(-2);
    data.EnableControls();
    ASSERT_EQ(id(), 8);
    const int current = strip.ActiveRecord();
    ASSERT_EQ(strip.RecordCount(), 3);
    for (int row = 0; row < strip.RecordCount(); ++row) {
        strip.SetActiveRecord(row);
        EXPECT_EQ(id(), 8 + row) << "the buffers hold records 8 to 10";
    }
    strip.SetActiveRecord(current);
    EXPECT_EQ(id(), 8);
    strip.SetActiveRecord(-1);
    strip.SetActiveRecord(strip.RecordCount());
    EXPECT_EQ(id(), 8) << "a row outside the window moves nothing";
}

} // namespace
