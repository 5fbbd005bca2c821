// The object field: its parts and its text, which lists theirs since it has no value of its own.
#include "toolkit/TADTField.h"

#include <gtest/gtest.h>

#include "support/AddressDataSet.h"
#include "support/ThrownText.h"
#include "toolkit/DatabaseError.h"

namespace {

TEST(TADTFieldTest, ItsTextListsItsPartsTextsAndItHasNoStringValue) {
    tktest::AddressDataSet address;
    address.data.Open();
    auto* object = static_cast<TADTField*>(address.data.FieldByName("Address"));
    address.data.FieldByName("Zip")->OnGetText = [](TField*, AnsiString& text, bool display) {
        text = display ? "zip shown" : "zip edited";
    };
    EXPECT_EQ(object->DisplayText(), "(Valdren, zip shown)");
    EXPECT_EQ(object->Text(), "(Valdren, zip edited)");
    EXPECT_EQ(tktest::thrownText<EDatabaseError>([&] { (void)object->AsString(); }), "Cannot access field 'Address' as type String");
    object->RemoveField(object->Fields(1));
    object->RemoveField(object->Fields(0));
    EXPECT_EQ(object->DisplayText(), "()");
    address.data.Close();
}

} // namespace
