// A dataset's field layout through an INI file: the round trip, missing words, and the stored
// indices reordering the fields.
#include "widgets/DataSetLayout.h"

#include <gtest/gtest.h>

#include "support/MemoryDataSet.h"
#include "support/TempDirectory.h"
#include "toolkit/TIniFile.h"

namespace {

class DataSetLayoutTest : public testing::Test {
protected:
    DataSetLayoutTest() {
        data.SetName("Firms");
        data.addRow({Variant(1), Variant("Аптека"), Variant("Мира")});
        data.Open();
    }
    AnsiString fieldOrder() {
        AnsiString names;
        for (int i = 0; i < data.Fields().Count(); ++i)
            names += data.Fields()[i]->FieldName() + " ";
        return names;
    }

    testsupport::TempDirectory folder;
    TIniFile ini{(folder / "layout.ini").string()};
    TComponent owner{nullptr};
    tktest::MemoryDataSet data{&owner, {{"Id", ftInteger}, {"Name", ftString, 20}, {"Street", ftString, 20}}};
};

TEST_F(DataSetLayoutTest, AStoredLayoutComesBackInOrderWidthAndVisibility) {
    EXPECT_FALSE(IsDataSetEmpty(&data));
    data.FieldByName("Street")->SetIndex(0);
    data.FieldByName("Name")->SetDisplayWidth(33);
    data.FieldByName("Id")->SetVisible(false);
    SaveFieldsLayout(&data, &ini, "Grid");
    EXPECT_EQ(ini.ReadString("Grid", "FirmsName", ""), "2,33,1");

    data.FieldByName("Id")->SetIndex(0);
    data.FieldByName("Name")->SetDisplayWidth(5);
    data.FieldByName("Id")->SetVisible(true);
    RestoreFieldsLayout(&data, &ini, "Grid", /*RestoreVisible=*/true);
    EXPECT_EQ(fieldOrder(), "Street Id Name ");
    EXPECT_EQ(data.FieldByName("Name")->DisplayWidth(), 33);
    EXPECT_FALSE(data.FieldByName("Id")->Visible());

    data.Close();
    EXPECT_TRUE(IsDataSetEmpty(&data));
}

TEST_F(DataSetLayoutTest, MissingWordsKeepWhatTheFieldHas) {
    ini.WriteString("Grid", "FirmsId", "2");
    ini.WriteString("Grid", "FirmsStreet", "0, 40");
    data.FieldByName("Id")->SetVisible(false);
    RestoreFieldsLayout(&data, &ini, "Grid", /*RestoreVisible=*/true);
    EXPECT_EQ(fieldOrder(), "Street Name Id ");
    EXPECT_EQ(data.FieldByName("Street")->DisplayWidth(), 40);
    EXPECT_FALSE(data.FieldByName("Id")->Visible());
    EXPECT_TRUE(data.FieldByName("Street")->Visible());
}

} // namespace
