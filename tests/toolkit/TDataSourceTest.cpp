// Data sources between a dataset and its links: state, changes, auto-edit and freeing.
#include "toolkit/TDataSource.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/MemoryDataSet.h"
#include "RecordingDataLink.h"
#include "toolkit/TField.h"

namespace {

class TDataSourceTest : public testing::Test {
protected:
    TDataSourceTest() {
        data.addRow({Variant(1)});
        data.addRow({Variant(2)});
        source.OnStateChange = [this](TPersistent*) { events.push_back("state " + std::to_string(source.State())); };
        source.OnDataChange = [this](TPersistent*, TField* field) { events.push_back(field ? "data " + field->FieldName() : "data"); };
        source.OnUpdateData = [this](TPersistent*) { events.push_back("update"); };
    }
    TComponent owner{nullptr};
    tktest::MemoryDataSet data{&owner, {{"Id", ftInteger}}};
    TDataSource source{&owner};
    std::vector<std::string> events;
};

TEST_F(TDataSourceTest, StateFollowsTheDatasetWhileEnabled) {
    source.SetDataSet(&data);
    EXPECT_EQ(source.State(), dsInactive);
    data.Open();
    EXPECT_EQ(source.State(), dsBrowse);
    EXPECT_EQ(events, (std::vector<std::string>{"state 1", "data"}));
    events.clear();
    source.SetEnabled(false);
    EXPECT_EQ(source.State(), dsInactive);
    data.Next();
    EXPECT_TRUE(events == std::vector<std::string>{"state 0"});
    source.SetEnabled(true);
    source.SetDataSet(nullptr);
    EXPECT_EQ(source.State(), dsInactive);
}

TEST_F(TDataSourceTest, DataChangeReportsFieldsAndRecords) {
    source.SetDataSet(&data);
    data.Open();
    events.clear();
    data.Next();
    data.Edit();
    data.FieldByName("Id")->SetAsInteger(5);
    data.Post();
    EXPECT_EQ(events, (std::vector<std::string>{"data", "state 2", "data", "data Id", "update", "state 1", "data"}));
}

TEST_F(TDataSourceTest, EditHonoursAutoEdit) {
    source.SetDataSet(&data);
    data.Open();
    source.SetAutoEdit(false);
    source.Edit();
    EXPECT_EQ(data.State(), dsBrowse);
    source.SetAutoEdit(true);
    source.Edit();
    EXPECT_EQ(data.State(), dsEdit);
}

TEST_F(TDataSourceTest, FreedSourceLeavesDatasetAndLinks) {
    tktest::RecordingDataLink link;
    {
        TDataSource temporary(&owner);
        temporary.SetDataSet(&data);
        link.SetBufferCount(4);
        link.SetDataSource(&temporary);
        data.Open();
        EXPECT_EQ(data.BufferCount(), 4);
    }
    EXPECT_EQ(link.DataSource(), nullptr);
    EXPECT_FALSE(link.Active());
    EXPECT_EQ(data.BufferCount(), 1);
}

TEST_F(TDataSourceTest, DatasetFreedBeforeItsSourceDetachesIt) {
    auto* temporary = new tktest::MemoryDataSet(&owner, {{"Id", ftInteger}});
    source.SetDataSet(temporary);
    temporary->Open();
    delete temporary;
    EXPECT_EQ(source.DataSet(), nullptr);
    EXPECT_EQ(source.State(), dsInactive);
}

} // namespace
