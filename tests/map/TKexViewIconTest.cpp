#include "map/TKexViewIcon.h"

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "map/IconLibrarySamples.h"
#include "map/TDataMap.h"
#include "map/TKexIcon.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"

namespace {

// A set with the library "Default" of Count 16-pixel red icons named "0", "1", ..., and a shown
// form for views.
struct ViewFixture {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    std::unique_ptr<TKexIcon> set = std::make_unique<TKexIcon>(nullptr);

    explicit ViewFixture(int count) {
        std::vector<iconsamples::SampleIcon> icons;
        for (int i = 0; i < count; ++i)
            icons.push_back({std::to_string(i)});
        iconsamples::addLibrary(*set, "Default", icons);
        form->SetBounds(0, 0, 300, 200);
        form->Show();
    }
    TKexViewIcon* view(int width, int height) {
        auto* view = new TKexViewIcon(form.get());
        view->SetParent(form.get());
        view->SetBounds(0, 0, width, height);
        view->SetKexIcon(set.get());
        view->SetNameLib("default");
        view->SetFocus();
        Application->ProcessMessages();
        return view;
    }
    void key(std::uint16_t vk) {
        tk::input::key(*form, vk);
        Application->ProcessMessages();
    }
};

TColor pixel(TKexViewIcon& view, int x, int y) { return view.Picture()->Bitmap()->Canvas()->Pixels(x, y); }

TEST(TKexViewIconTest, GridScrollsByRowsToTheSelectionThatKeysAndSetterClamp) {
    ViewFixture f(62);
    TKexViewIcon& view = *f.view(100, 70);
    EXPECT_EQ(view.NameLib(), "DEFAULT");
    EXPECT_EQ(view.Columns(), 3);
    EXPECT_EQ(view.Rows(), 2);
    f.key(VK_END);
    EXPECT_EQ(view.NomerSelect(), 61);
    EXPECT_EQ(view.NamePic(), "61");
    EXPECT_EQ(view.FirstVisible(), 57); // row 20 of 21 is the last visible one
    view.SetNomerSelect(-5);
    EXPECT_EQ(view.NomerSelect(), 0);
    EXPECT_EQ(view.FirstVisible(), 0);
    view.SetNomerSelect(100);
    EXPECT_EQ(view.NomerSelect(), 61);
    view.SetNomerSelect(0);
    for (const auto& [key, expected] : {std::pair{VK_RIGHT, 1}, {VK_DOWN, 4}, {VK_LEFT, 3}, {VK_UP, 0}}) {
        f.key(key);
        EXPECT_EQ(view.NomerSelect(), expected) << key;
    }
}

TEST(TKexViewIconTest, ClicksSelectCellsEvenPastTheLastIcon) {
    ViewFixture f(4);
    TKexViewIcon& view = *f.view(100, 70);
    std::vector<std::tuple<int, int, std::string, std::string, int>> clicks;
    view.OnClickThumbnail = [&](TPersistent*, int column, int row, const AnsiString& lib, const AnsiString& pic,
                                int position) { clicks.emplace_back(column, row, lib, pic, position); };
    tk::input::click(view, 40, 5);
    tk::input::click(view, 70, 40);
    Application->ProcessMessages();
    using Click = std::tuple<int, int, std::string, std::string, int>;
    EXPECT_EQ(clicks, (std::vector<Click>{{1, 0, "DEFAULT", "1", 1}, {2, 1, "DEFAULT", "", 5}}));
    EXPECT_EQ(view.NomerSelect(), 5);

    TKexViewIcon& narrow = *f.view(20, 70);
    EXPECT_EQ(narrow.Columns(), 0);
    narrow.SetNomerSelect(100);
    EXPECT_EQ(narrow.NomerSelect(), 3);
    f.key(VK_HOME);
    tk::input::click(narrow, 5, 5);
    Application->ProcessMessages();
    EXPECT_EQ(narrow.NomerSelect(), 3);
}

TEST(TKexViewIconTest, SelectedCellIsFilledAndFramesAreRaised) {
    ViewFixture f(4);
    TKexViewIcon& view = *f.view(100, 70);
    EXPECT_EQ(pixel(view, 3, 2), clNavy);                  // selected: icon 0
    EXPECT_EQ(pixel(view, 34, 2), ColorToRGB(clBtnFace)); // not selected
    EXPECT_EQ(pixel(view, 15, 15), clRed);                 // the icon, fitted in the middle
    EXPECT_EQ(pixel(view, 0, 10), clWhite);
    EXPECT_EQ(pixel(view, 30, 10), ColorToRGB(cl3DDkShadow));
    view.Options()->SetGrid3DStyle(kexLowered);
    EXPECT_EQ(pixel(view, 0, 10), ColorToRGB(cl3DDkShadow));

    view.Picture()->Bitmap()->Canvas()->SetPixels(3, 2, clLime);
    f.set->AddLib("Other");
    EXPECT_EQ(pixel(view, 3, 2), clNavy);
}

TEST(TKexViewIconTest, FreedSetLeavesViewsAndMapsWithoutIt) {
    ViewFixture f(4);
    TKexViewIcon& a = *f.view(100, 70);
    TKexViewIcon& b = *f.view(100, 70);
    auto* map = new TDataMap(f.form.get());
    map->SetKexMapIcon(f.set.get());
    f.set.reset();
    EXPECT_EQ(a.KexIcon(), nullptr);
    EXPECT_EQ(b.KexIcon(), nullptr);
    EXPECT_EQ(map->KexMapIcon(), nullptr);
    EXPECT_EQ(pixel(a, 3, 2), ColorToRGB(clBtnFace));
}

} // namespace
