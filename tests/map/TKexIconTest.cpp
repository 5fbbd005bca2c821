#include "map/TKexIcon.h"

#include <memory>

#include <gtest/gtest.h>

#include "toolkit/TCanvas.h"

#include "map/IconLibrarySamples.h"

namespace {

struct Client : mapi::IconSetClient {
    int changed = 0;
    TKexIcon* set = nullptr;
    void IconSetChanged(TKexIcon&) override { ++changed; }
    void IconSetFreed(TKexIcon& freed) override {
        EXPECT_EQ(&freed, set);
        set = nullptr;
    }
};

TEST(TKexIconTest, LookUpTrimsAndUpperCasesBothNames) {
    TKexIcon set(nullptr);
    iconsamples::addLibrary(set, "Default", {{"6"}, {"7", clBlue}});
    TBitmap* icon = set.GetBitmap(" default ", " 7 ");
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->Canvas()->Pixels(1, 1), clBlue);
    EXPECT_EQ(set.GetBitmap("other", "7"), nullptr);
    EXPECT_EQ(set.GetBitmapByIndex("DEFAULT", 1), icon);
    EXPECT_EQ(set.GetCount("default"), 2);
    EXPECT_EQ(set.IndexOfLib("DEFAULT"), 0);
    EXPECT_EQ(set.IndexOfPic("Default", "6"), 0);
    EXPECT_EQ(set.GetPicName("Default", 1), "7");
    EXPECT_EQ(set.GetPicName("Default", 2), "");
    EXPECT_EQ(set.GetLibName(0), "Default");
    EXPECT_EQ(set.GetLibName(1), "");
}

TEST(TKexIconTest, AskedLibraryNameWithALeadingBlankIsFoundOnlyByTheTrimmingLookUps) {
    TKexIcon set(nullptr);
    iconsamples::addLibrary(set, "Park", {{"0"}});
    EXPECT_EQ(set.GetCount(" Park"), 0);
    EXPECT_EQ(set.IndexOfLib(" Park"), -1);
    EXPECT_EQ(set.IndexOfPic(" Park", "0"), -1);
    EXPECT_NE(set.GetBitmap(" Park", "0"), nullptr);
    EXPECT_NE(set.GetBitmapByIndex(" Park", 0), nullptr);
}

TEST(TKexIconTest, FirstLibraryOfANameAnswers) {
    TKexIcon set(nullptr);
    iconsamples::addLibrary(set, "A", {{"0", clRed}});
    iconsamples::addLibrary(set, "a", {{"0", clBlue}});
    EXPECT_EQ(set.GetBitmap("A", "0")->Canvas()->Pixels(0, 0), clRed);
}

TEST(TKexIconTest, ClientsHearOfChangesOnceEachAndLetGoWhenTheSetIsFreed) {
    auto set = std::make_unique<TKexIcon>(nullptr);
    Client a;
    Client b;
    a.set = b.set = set.get();
    set->AddClient(&a);
    set->AddClient(&a);
    set->AddClient(&b);
    EXPECT_EQ(set->ClientCount(), 2);
    set->AddLib("X");
    EXPECT_EQ(a.changed, 1);
    set->RemoveClient(&b);
    set->ClearLibs();
    EXPECT_EQ(a.changed, 2);
    EXPECT_EQ(b.changed, 1);
    set->AddClient(&b);
    set.reset();
    EXPECT_EQ(a.set, nullptr);
    EXPECT_EQ(b.set, nullptr);
}

} // namespace
