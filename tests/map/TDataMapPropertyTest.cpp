#include "map/TDataMapProperty.h"

#include <memory>

#include <gtest/gtest.h>

#include "map/DataMapFixture.h"
#include "map/MapSamples.h"
#include "map/MouseFixture.h"
#include "map/StyleListItems.h"
#include "map/TKEXSpinEdit.h"
#include "map/TKexViewIcon.h"
#include "toolkit/NumberText.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TCheckBox.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TEdit.h"
#include "toolkit/TTrackBar.h"

namespace {

using mapfixture::addObject;
using mapfixture::rectangle;
using mousefixture::MouseMap;

// The frame beside the map, bound to it.
struct FrameMap : MouseMap {
    TDataMapProperty* frame = new TDataMapProperty(form.get());

    FrameMap() {
        form->SetBounds(0, 0, 710, 570);
        frame->SetParent(form.get());
        frame->SetLeft(405);
        map->SetDatamapProperty(frame);
        run();
    }
    const TKEXMapObjectMem& object(int index) const { return map->Model().Objects()[index]; }
};

TEST(TDataMapPropertyTest, LockedObjectLeavesOnlyTheLockUntilItIsUnticked) {
    FrameMap f;
    TKEXMapObjectMem locked = rectangle(0, 0, 100, 100, clBlue);
    locked.Locked = 1;
    addObject(*f.map, locked);
    f.click(mbLeft, 50, 50);
    EXPECT_TRUE(f.frame->Locked->Checked());
    EXPECT_TRUE(f.frame->Locked->Enabled());
    EXPECT_FALSE(f.frame->PenStyle->Enabled());
    EXPECT_FALSE(f.frame->STREET->Enabled());
    EXPECT_TRUE(f.frame->STREET->Parent()->Enabled()); // the group box
    tk::input::click(*f.frame->Locked, 5, 5);
    f.run();
    EXPECT_EQ(f.object(0).Locked, 0);
    EXPECT_TRUE(f.frame->PenStyle->Enabled());
}

TEST(TDataMapPropertyTest, PartnerControlsFollowEachOtherAndEveryChangeSaves) {
    FrameMap f;
    addObject(*f.map, rectangle(0, 0, 100, 100, clBlue));
    f.click(mbLeft, 50, 50);
    TDataMapProperty& frame = *f.frame;
    frame.Ploskost->SetPosition(10);
    EXPECT_EQ(frame.Ploskost1->Value(), -6);
    EXPECT_EQ(f.object(0).Plane, -6);

    frame.KEXSpinEdit1->SetFocus();
    frame.KEXSpinEdit1->SelectAll();
    for (char c : {'8', '0'})
        tk::input::key(*f.form, 0, 0, c);
    f.run();
    EXPECT_EQ(f.object(0).Pen.Width, 80);
    EXPECT_EQ(frame.TrackBar1->Position(), 50);
    frame.TrackBar1->SetPosition(20);
    EXPECT_EQ(frame.KEXSpinEdit1->Value(), 20);
    EXPECT_EQ(f.object(0).Pen.Width, 20);

    frame.PenCaps->SetItemIndex(2);
    EXPECT_EQ(f.object(0).Pen.Caps, 1);
    frame.PenCaps->SetItemIndex(0);
    EXPECT_EQ(f.object(0).Pen.Caps, -1);
}

TEST(TDataMapPropertyTest, ValuesBeyondTheControlsRangesAreSavedClamped) {
    FrameMap f;
    TKEXMapObjectMem text = mapsamples::textObject({100, 100}, 0, "ABC");
    text.Plane = 20;
    TKEXMapText payload = *text.Text();
    payload.Size = 150;
    text.SetText(payload);
    addObject(*f.map, text);
    f.click(mbLeft, 103, 103);
    ASSERT_EQ(f.map->EditBuffer().SourceIndex(), 0);
    EXPECT_EQ(f.frame->Ploskost1->Text(), "16");
    EXPECT_EQ(f.frame->FontSize->Text(), "100");
    f.frame->EditText->SetText("ABCD");
    EXPECT_EQ(f.object(0).Plane, 16);
    EXPECT_EQ(f.object(0).Text()->Size, 100);
    EXPECT_EQ(f.object(0).Text()->Text.str(), "ABCD");
}

TEST(TDataMapPropertyTest, OwnerDrawnItemsShowDashesHatchesAndCaps) {
    TBitmap bitmap;
    bitmap.SetSize(100, 16);
    TCanvas& canvas = *bitmap.Canvas();
    const TRect row = Rect(0, 0, 100, 16);
    canvas.Brush()->SetColor(clWhite);
    mapi::DrawPenStyleItem(canvas, row, psDash, /*Selected=*/false);
    EXPECT_EQ(canvas.Pixels(0, 0), clBlack); // the frame
    int dashes = 0;
    for (int x = 2; x < 98; ++x)
        dashes += canvas.Pixels(x, 8) == clBlack && canvas.Pixels(x - 1, 8) != clBlack;
    EXPECT_GE(dashes, 3);
    EXPECT_EQ(canvas.Pixels(5, 4), clWhite);

    canvas.Brush()->SetColor(clWhite);
    canvas.FillRect(row);
    mapi::DrawBrushStyleItem(canvas, row, bsCross, clRed, clWindow);
    int red = 0; // on a row between the horizontal hatch lines
    for (int x = 2; x < 98; ++x)
        red += canvas.Pixels(x, 5) == clRed;
    EXPECT_GT(red, 5);
    EXPECT_LT(red, 90);

    // A square cap reaches the corner beyond the line's end, a round one does not.
    for (int item : {1, 2}) {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(clWhite);
        canvas.FillRect(row);
        mapi::DrawPenCapsItem(canvas, row, item);
        EXPECT_EQ(canvas.Pixels(50, 8), clBlack);
        EXPECT_EQ(canvas.Pixels(95, 5) == clBlack, item == 2) << item;
    }
}

TEST(TDataMapPropertyTest, PicksAndTheLockCommandReloadTheFrameAndPickingANotePostsNothing) {
    FrameMap f;
    f.map->Model().Header.NextObjectId = 7;
    addObject(*f.map, rectangle(0, 0, 100, 100, clBlue));
    TKEXMapObjectMem note = mapsamples::noteObject({300, 100}, "Default", "3", "");
    note.Plane = 20;
    addObject(*f.map, note);
    int posts = 0;
    f.map->OnAfterPostObject = [&](TPersistent*) { ++posts; };
    f.click(mbLeft, 50, 50);
    EXPECT_EQ(f.frame->ID->Text(), IntToStr(f.object(0).Id));
    f.picker.pick = "kexMapMenuLock";
    f.click(mbRight, 50, 50);
    f.run();
    EXPECT_TRUE(f.frame->Locked->Checked());
    posts = 0;
    f.click(mbLeft, 305, 105);
    ASSERT_EQ(f.map->EditBuffer().SourceIndex(), 1);
    EXPECT_EQ(f.frame->ViewIcon->NamePic(), "3");
    EXPECT_EQ(posts, 0);
    EXPECT_EQ(f.object(1).Plane, 20);
}

TEST(TDataMapPropertyTest, FrameBelongsToOneMapAndEitherSideLetsGoWhenFreed) {
    FrameMap f;
    auto* second = new TDataMap(f.form.get());
    second->SetDatamapProperty(f.frame);
    EXPECT_EQ(f.map->DatamapProperty(), nullptr);
    EXPECT_EQ(f.frame->Map(), second);
    delete second;
    EXPECT_EQ(f.frame->Map(), nullptr);
    f.map->SetDatamapProperty(f.frame);
    delete f.frame;
    EXPECT_EQ(f.map->DatamapProperty(), nullptr);
}

} // namespace
