// The find dialog's typing on the sample city: the street completed from the street table only
// where a name begins with what is typed, backspace as usual, and the house number in capitals.
#include "app/TfmFindObj.h"

#include <gtest/gtest.h>

#include "ProgramFixture.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TComboBox.h"

namespace {

using apptest::ru;

// Types one CP1251 character (given in UTF-8) at the focused control.
void type(TControl& form, const char* utf8) {
    tk::input::key(form, 0, 0, ru(utf8)[0]);
    Application->ProcessMessages();
}

AnsiString selected(const TComboBox& box) { return box.Text().substr(size_t(box.SelStart()), size_t(box.SelLength())); }

class TfmFindObjTest : public apptest::MainWindowFixture {};

TEST_F(TfmFindObjTest, StreetCompletesOnlyBeginningsOfNamesAndHouseIsUpperCased) {
    TfmFindObj& f = *fmFindObj;
    TComboBox& street = *f.cbStreet;
    f.Show();
    street.SetFocus();
    Application->ProcessMessages();
    const struct {
        const char* typed; // "\b": backspace
        const char* text;
        const char* selected;
    } steps[] = {
        {"л", "ЛЕНИНА", "ЕНИНА"}, {"е", "ЛЕНИНА", "НИНА"}, {"с", "ЛЕСНАЯ", "НАЯ"},
        {"ы", "ЛЕСНАЯ", "НАЯ"},   {"\b", "ЛЕС", ""},
    };
    for (const auto& step : steps) {
        if (*step.typed == '\b')
            tk::input::key(f, VK_BACK, 0, '\b');
        else
            tk::input::key(f, 0, 0, ru(step.typed)[0]);
        Application->ProcessMessages();
        EXPECT_EQ(street.Text(), ru(step.text)) << step.typed;
        EXPECT_EQ(selected(street), ru(step.selected)) << step.typed;
    }

    street.SetText(AnsiString());
    type(f, "а");
    EXPECT_EQ(street.Text(), "") << "БЕРЁЗОВАЯ contains А but does not begin with it";

    street.Items()->Add(ru("ЛЕСНАЯ")); // an empty list does not drop down
    street.SetDroppedDown(true);
    ASSERT_TRUE(street.DroppedDown());
    char key = ru("л")[0];
    f.cbStreetKeyPress(key);
    EXPECT_EQ(key, ru("л")[0]) << "the open list takes the key as it is";
    EXPECT_EQ(street.Text(), "");
    street.SetDroppedDown(false);

    f.cbHouse->SetFocus();
    type(f, "б");
    EXPECT_EQ(f.cbHouse->Text(), ru("Б"));
    f.Hide();
}

} // namespace
