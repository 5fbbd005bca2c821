#include "map/TKexZametForm.h"

#include <gtest/gtest.h>

#include "map/CategoryVocabulary.h"
#include "map/DataMapFixture.h"
#include "map/IconLibrarySamples.h"
#include "map/MapSamples.h"
#include "map/MouseFixture.h"
#include "map/TKexIcon.h"
#include "map/TKexViewIcon.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TButton.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TEdit.h"
#include "toolkit/TMemo.h"

namespace {

using mousefixture::MouseMap;

// The note tool on, counting the posts.
struct NoteTool : MouseMap {
    int posts = 0;

    NoteTool() {
        map->SetInstrument(iZametka);
        map->OnAfterPostObject = [this](TPersistent*) { ++posts; };
    }
    // Answer fills the dialog; then the button of that caption is clicked.
    void clickAnswering(int x, int y, std::function<void(TKexZametForm&)> answer, bool confirm) {
        MouseMap::clickAnswering(x, y, [this] { return map->ZametForm(); },
                                 [answer, confirm](TForm& form) {
                                     auto& dialog = static_cast<TKexZametForm&>(form);
                                     answer(dialog);
                                     tk::input::click(confirm ? *dialog.Button1 : *dialog.Button2, 5, 5);
                                 });
    }
    TKEXMapZametka note(int index) const { return *map->Model().Objects()[index].Note(); }
};

TEST(TKexZametFormTest, NewNoteTakesTheFirstIconAndConfirmingWritesEveryField) {
    NoteTool f;
    f.clickAnswering(100, 100, [](TKexZametForm&) {}, /*confirm=*/true);
    ASSERT_EQ(f.map->GetObjectCount(), 1);
    EXPECT_EQ(f.note(0).PicName.str(), "0");
    EXPECT_EQ(AnsiUpperCase(f.note(0).LibName.str()), "DEFAULT");

    f.posts = 0;
    int categoryItem = -1;
    f.clickAnswering(105, 105, [&](TKexZametForm& dialog) {
        categoryItem = dialog.ComboBox1->Items()->Count() - 1;
        dialog.ComboBox1->SetItemIndex(categoryItem);
        dialog.Edit1->SetText(tk::fromUtf8("  садовая "));
        dialog.Edit2->SetText("12345678");
        dialog.Memo1->SetText(tk::fromUtf8("Вход со двора"));
        tk::input::click(*dialog.KexViewIcon, 50, 5); // the second cell
    }, /*confirm=*/true);
    EXPECT_EQ(f.posts, 1);
    const TKEXMapObjectMem& stored = f.map->Model().Objects()[0];
    TStringList categories;
    mapi::FillCategoryList(categories);
    EXPECT_EQ(stored.Category, mapi::categoryIdOf(categories, categoryItem));
    EXPECT_EQ(f.note(0).Text.str(), tk::fromUtf8("Вход со двора"));
    EXPECT_EQ(f.note(0).PicName.str(), "1");
    f.map->LoadEditObject(0);
    EXPECT_EQ(f.map->EditBuffer().StreetName, tk::fromUtf8("САДОВАЯ"));
    EXPECT_EQ(f.map->EditBuffer().HouseNumber, "123456");
}

TEST(TKexZametFormTest, CancelAfterALibraryChangePostsNothingButKeepsTheLibraryInTheBuffer) {
    NoteTool f;
    TKexIcon icons(nullptr);
    for (const char* name : {"Default", "Parks"})
        iconsamples::addLibrary(icons, name, {{"A"}, {"B"}});
    f.map->SetKexMapIcon(&icons);
    TKEXMapObjectMem unknown = mapsamples::noteObject({100, 100}, "Default", "A", "");
    unknown.Category = 999;
    mapfixture::addObject(*f.map, unknown);

    f.clickAnswering(105, 105, [](TKexZametForm& dialog) { dialog.NameLib->SetItemIndex(1); },
                     /*confirm=*/false);
    EXPECT_EQ(f.posts, 0);
    TKEXMapZametka buffered;
    f.map->GetEditNote(buffered);
    EXPECT_EQ(buffered.LibName.str(), "Parks");
    EXPECT_EQ(f.note(0).LibName.str(), "Default");

    // The category the vocabulary does not know is kept.
    f.clickAnswering(105, 105, [](TKexZametForm& dialog) { EXPECT_EQ(dialog.ComboBox1->ItemIndex(), -1); },
                     /*confirm=*/true);
    EXPECT_EQ(f.posts, 1);
    EXPECT_EQ(f.map->Model().Objects()[0].Category, 999);
    f.map->SetKexMapIcon(nullptr);
}

} // namespace
