// The page control: tabs, the active page, hidden pages sized with the shown one, and freeing
// pages.
#include "toolkit/TPageControl.h"

#include <QTabBar>
#include <QWidget>

#include <gtest/gtest.h>

#include "toolkit/TApplication.h"
#include "toolkit/TControl_p.h"
#include "toolkit/TForm.h"
#include "toolkit/TPanel.h"
#include "toolkit/TTabSheet.h"

namespace {

struct Fixture {
    TForm form{nullptr};
    TPageControl* pages = new TPageControl(&form);
    TTabSheet* rubrics = new TTabSheet(&form);
    TTabSheet* alphabet = new TTabSheet(&form);
    int changes = 0;

    Fixture() {
        form.SetBounds(0, 0, 300, 300);
        pages->SetParent(&form);
        pages->SetBounds(0, 0, 289, 200);
        rubrics->SetPageControl(pages);
        rubrics->SetCaption(tk::fromUtf8("Рубрики"));
        alphabet->SetPageControl(pages);
        alphabet->SetCaption("A-Z");
        pages->OnChange = [this](TPersistent*) { ++changes; };
        form.Show();
    }
    QTabBar& bar() { return *pages->peer().widget()->findChild<QTabBar*>(); }
};

TEST(TPageControlTest, FirstPageIsActiveAndFillsTheAreaBelowTheTabs) {
    Fixture f;
    EXPECT_EQ(f.pages->ActivePage(), f.rubrics);
    EXPECT_TRUE(f.rubrics->Visible());
    EXPECT_FALSE(f.alphabet->Visible());
    const int tabs = f.bar().height();
    EXPECT_GT(tabs, 0);
    EXPECT_EQ(f.rubrics->BoundsRect(), Rect(0, 0, 289, 200 - tabs));
    EXPECT_EQ(f.bar().tabText(0), QString::fromUtf8("Рубрики"));
}

TEST(TPageControlTest, HiddenPageFillsTheAreaBelowTheTabsSoItsAnchoredControlsFitWhenShown) {
    Fixture f;
    EXPECT_EQ(f.alphabet->BoundsRect(), f.rubrics->BoundsRect());
    auto* edit = new TPanel(&f.form);
    edit->SetParent(f.alphabet);
    edit->SetBounds(4, 4, f.alphabet->ClientWidth() - 8, 20);
    edit->SetAnchors(akLeft | akTop | akRight);
    auto* list = new TPanel(&f.form);
    list->SetParent(f.alphabet);
    list->SetBounds(4, 30, f.alphabet->ClientWidth() - 8, f.alphabet->ClientHeight() - 34);
    list->SetAnchors(akLeft | akTop | akRight | akBottom);
    f.pages->SetBounds(0, 0, 400, 250);
    EXPECT_EQ(f.alphabet->BoundsRect(), f.rubrics->BoundsRect()) << "resized while hidden";
    f.pages->SetActivePage(f.alphabet);
    const int tabs = f.bar().height();
    EXPECT_EQ(edit->BoundsRect(), Rect(4, 4, 396, 24));
    EXPECT_EQ(list->BoundsRect(), Rect(4, 30, 396, 250 - tabs - 4));
}

TEST(TPageControlTest, PickingATabShowsItsPageAndFiresChangeSettingDoesNot) {

    Fixture f;
    f.bar().setCurrentIndex(1);
    EXPECT_EQ(f.pages->ActivePage(), f.alphabet);
    EXPECT_TRUE(f.alphabet->Visible());
    EXPECT_FALSE(f.rubrics->Visible());
    EXPECT_EQ(f.changes, 1);
    f.pages->SetActivePageIndex(0);
    EXPECT_EQ(f.bar().currentIndex(), 0);
    EXPECT_EQ(f.changes, 1);
}

TEST(TPageControlTest, FreeingTheActivePageActivatesAnother) {
    Fixture f;
    delete f.rubrics;
    EXPECT_EQ(f.pages->PageCount(), 1);
    EXPECT_EQ(f.pages->ActivePage(), f.alphabet);
    EXPECT_EQ(f.alphabet->PageIndex(), 0);
    EXPECT_EQ(f.bar().count(), 1);
}

TEST(TPageControlTest, SheetWithoutItsTabKeepsItsControlsAndHandsOnTheActivePage) {
    Fixture f;
    auto* panel = new TPanel(&f.form);
    panel->SetParent(f.rubrics);
    f.rubrics->SetTabVisible(false);
    EXPECT_EQ(f.pages->ActivePage(), f.alphabet);
    EXPECT_FALSE(f.rubrics->Visible());
    EXPECT_FALSE(f.bar().isTabVisible(0));
    EXPECT_EQ(f.rubrics->ControlCount(), 1);

    f.alphabet->SetTabVisible(false);
    EXPECT_EQ(f.pages->ActivePage(), nullptr);
    EXPECT_FALSE(f.alphabet->Visible());

    f.rubrics->SetTabVisible(true);
    EXPECT_EQ(f.pages->ActivePage(), f.rubrics);
    EXPECT_TRUE(f.rubrics->Visible());
    EXPECT_EQ(f.changes, 0);
}

} // namespace
