// The combo box: its list, its text and the pick-only style.
#include "toolkit/TComboBox.h"

#include <gtest/gtest.h>

#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"

namespace {

TEST(TComboBoxTest, ItemsShowInTheListAndPickingChangesTheText) {
    TForm form(nullptr);
    auto* box = new TComboBox(&form);
    box->SetParent(&form);
    int changes = 0;
    box->OnChange = [&](TPersistent*) { ++changes; };
    box->Items()->Add(tk::fromUtf8("ЛЕНИНА"));
    box->Items()->Add(tk::fromUtf8("МИРА"));
    EXPECT_EQ(box->ItemIndex(), -1);
    box->SetItemIndex(1);
    EXPECT_EQ(box->Text(), tk::fromUtf8("МИРА"));
    EXPECT_EQ(changes, 1);
    box->SetText("12");
    EXPECT_EQ(box->ItemIndex(), -1);
    EXPECT_EQ(changes, 2);
    box->Items()->Clear();
    EXPECT_EQ(box->Text(), "12");
}

TEST(TComboBoxTest, PickOnlyListTakesOnlyItsEntries) {
    TForm form(nullptr);
    auto* box = new TComboBox(&form);
    box->SetParent(&form);
    box->SetStyle(csDropDownList);
    box->Items()->Add("1");
    box->Items()->Add("2A");
    box->SetText("2A");
    EXPECT_EQ(box->ItemIndex(), 1);
    box->SetText("7");
    EXPECT_EQ(box->ItemIndex(), -1);
    EXPECT_EQ(box->Text(), "");
}

} // namespace
