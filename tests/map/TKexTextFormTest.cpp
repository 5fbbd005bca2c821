#include "map/TKexTextForm.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "map/DataMapFixture.h"
#include "map/MapSamples.h"
#include "map/MouseFixture.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TBitBtn.h"
#include "toolkit/TEdit.h"
#include "toolkit/TTrackBar.h"

namespace {

using mousefixture::MouseMap;

// The text tool on, with each answer of the dialog ending in a click on its OK button.
struct TextTool : MouseMap {
    std::vector<std::string> posted; // the stored text after each post

    TextTool() {
        map->SetInstrument(iText);
        map->OnAfterPostObject = [this](TPersistent*) {
            const TKexMapList& objects = map->Model().Objects();
            if (objects.Count() > 0)
                posted.push_back(objects[objects.Count() - 1].Text()->Text.str());
        };
    }
    void clickAnswering(int x, int y, std::function<void(TKexTextForm&)> answer) {
        MouseMap::clickAnswering(x, y, [this] { return map->TextForm(); },
                                 [answer](TForm& form) {
                                     auto& dialog = static_cast<TKexTextForm&>(form);
                                     answer(dialog);
                                     tk::input::click(*dialog.BitBtn1, 5, 5);
                                 });
    }
};

TEST(TKexTextFormTest, NewTextShowsEachKeyOnTheMapAtOnce) {
    TextTool f;
    TKexTextForm* before = f.map->TextForm();
    f.clickAnswering(100, 100, [](TKexTextForm& dialog) {
        dialog.Edit1->SetFocus();
        tk::input::key(dialog, 'A', 0, 'A');
        tk::input::key(dialog, 'B', 0, 'B');
    });
    EXPECT_NE(f.map->TextForm(), before); // a new text gets a new dialog
    EXPECT_FALSE(f.map->TextForm()->Visible());
    ASSERT_EQ(f.map->GetObjectCount(), 1);
    std::erase(f.posted, "");
    EXPECT_EQ(f.posted, (std::vector<std::string>{"A", "AB"}));
    EXPECT_EQ(f.map->Model().Objects()[0].Text()->Anchor, (mapi::WorldPoint{100, 100}));

    f.clickAnswering(102, 103, [](TKexTextForm& dialog) { dialog.Ugol->SetPosition(90); });
    EXPECT_EQ(f.map->Model().Objects()[0].Text()->Angle, 90);
}

TEST(TKexTextFormTest, AngleBeyondTheBarStaysWhenOnlyTheTextChanges) {
    TextTool f;
    mapfixture::addObject(*f.map, mapsamples::textObject({100, 100}, 900, "ABC"));
    f.clickAnswering(103, 97, [](TKexTextForm& dialog) {
        EXPECT_EQ(dialog.Ugol->Position(), 360);
        dialog.Edit1->SetText("ABCD");
    });
    const TKEXMapText& text = *f.map->Model().Objects()[0].Text();
    EXPECT_EQ(text.Text.str(), "ABCD");
    EXPECT_EQ(text.Angle, 900);
}

} // namespace
