// The pick request on the main window after the real start-up: the balloon while the left button
// is held (text, bold labels, tail and place), the purpose line of each kind of object, and the firm
// lookup with the highlight moving from building to building, from press to release.
#include <gtest/gtest.h>

#include <set>

#include "ProgramFixture.h"
#include "app/RedrawBracket.h"
#include "app/TfmHint.h"
#include "app/TfmValdrenGIS.h"
#include "map/TDataMap.h"
#include "support/MapTargets.h"
#include "support/SampleQueries.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/Exception.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TParam.h"
#include "toolkit/TRichEdit.h"
#include "toolkit/TRichEditStrings.h"
#include "toolkit/TScreen.h"
#include "toolkit/TTextAttributes.h"
#include "toolkit/WinApi.h"
#include "widgets/TEmiStringGrid.h"
#include "widgets/TRichEditWithLinks.h"

namespace {

using apptest::ru;

class PickTest : public apptest::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        map->SetScale(200);
        mid = Point(map->Width() / 3, map->Height() / 3);
        w->qObjInfo->AfterOpen = [this](TDataSet*) { ++lookups; };
    }

    // Puts object Index under the pixel and presses there.
    void press(int index, TPoint at, TMouseButton button = mbLeft) {
        ASSERT_TRUE(testsupport::centreObjectAt(*map, index, at)) << "object " << index << " is covered";
        tk::input::press(*map, button, at.X, at.Y);
        Application->ProcessMessages();
    }
    void release(TPoint at, TMouseButton button = mbLeft) {
        tk::input::release(*map, button, at.X, at.Y);
        Application->ProcessMessages();
    }
    void pick(int index) {
        press(index, mid);
        release(mid);
    }
    // The map reports object Index as located by a left press.
    void locate(int index) {
        w->DataMap1MouseUp();
        w->DataMap1MouseDown(mbLeft, mid.X, mid.Y);
        map->LoadEditObject(index);
        w->DataMap1AfterLocate(true);
    }
    int busiest(int rank) {
        const testsupport::Address a = testsupport::busiestAddresses("DbConnection1", rank + 1).at(size_t(rank));
        return map->Model().FindObjectByAddress(-1, a.street, a.house);
    }
    bool balloonShown() const { return IsWindowVisible(w->fmHint->Handle()); }
    AnsiString line(int i) const {
        const TStrings& lines = *w->fmHint->RichEdit1->Lines();
        return i < lines.Count() ? lines.Strings(i) : AnsiString("<none>");
    }
    AnsiString address(int index) {
        map->LoadEditObject(index);
        return ru("Адрес: ") + map->EditBuffer().StreetName + " " + map->EditBuffer().HouseNumber;
    }
    // The balloon's characters in bold.
    AnsiString boldText() const {
        TRichEdit& edit = *w->fmHint->RichEdit1;
        AnsiString text = edit.Text(), bold;
        std::erase(text, '\r');
        for (int i = 0; i < int(text.size()); ++i) {
            edit.SetSelStart(i);
            edit.SetSelLength(1);
            if (edit.SelAttributes()->Style().Contains(fsBold))
                bold += text[size_t(i)];
        }
        return bold;
    }

    TPoint mid;
    int lookups = 0;
};

TEST_F(PickTest, BalloonShowsTheAddressAndPurposeWhileTheButtonIsHeld) {
    const int building = busiest(0);
    press(building, mid);
    ASSERT_TRUE(balloonShown());
    EXPECT_EQ(Point(w->fmHint->Left(), w->fmHint->Top()), map->ClientToScreen(mid));
    EXPECT_FALSE(w->fmHint->TailDown());
    EXPECT_EQ(line(0), address(building));
    const auto category = testsupport::queryRows(
        "DbConnection1", "select Name from Category where Cat_Id = " + std::to_string(object(building).Category));
    EXPECT_EQ(line(1), ru("Назначение: ") + category.at(0).at(0));
    EXPECT_EQ(boldText(), ru("Адрес: Назначение: "));
    EXPECT_EQ(Screen->ActiveForm(), w);
    release(mid);
    EXPECT_FALSE(balloonShown());
    EXPECT_FALSE(w->fmHint->Visible());

    // The tail turns down for a press 120 pixels or less above the map's bottom.
    for (const auto& [above, down] : {std::pair{120, true}, std::pair{121, false}}) {
        const TPoint at = Point(mid.X, map->Height() - above);
        press(building, at);
        EXPECT_EQ(w->fmHint->TailDown(), down) << above;
        EXPECT_EQ(w->fmHint->Top(), map->ClientToScreen(at).Y - (down ? 120 : 0)) << above;
        release(at);
    }
}

TEST_F(PickTest, PurposeLineFollowsTheObjectsCategory) {
    std::set<AnsiString> categories;
    for (const auto& row : testsupport::queryRows("DbConnection1", "select Cat_Id from Category"))
        categories.insert(row[0]);
    int districtLabel = -1, uncategorised = -1;
    for (int i = 0; i < map->GetObjectCount(); ++i) {
        const TKEXMapObjectMem& o = object(i);
        if (districtLabel < 0 && o.Category == 2 && o.Id != 54 && o.Id != 1574 && o.Id != 6326)
            districtLabel = i;
        if (uncategorised < 0 && o.HasAddress() && o.Category != 0 && !categories.count(std::to_string(o.Category)))
            uncategorised = i;
    }
    const struct {
        int index;
        const char* purpose; // null: none
    } cases[] = {
        {map->Model().FindObjectById(54), "Назначение: Октябрьский район"},
        {map->Model().FindObjectById(1574), "Назначение: Ленинский район"},
        {map->Model().FindObjectById(6326), "Назначение: Центральный район"},
        {districtLabel, "Назначение: район"},
        {uncategorised, nullptr},
    };
    for (const auto& c : cases) {
        ASSERT_GE(c.index, 0);
        locate(c.index);
        EXPECT_TRUE(balloonShown());
        const bool addressed = !map->EditBuffer().StreetName.empty();
        if (addressed) {
            EXPECT_EQ(line(0), address(c.index)) << c.index;
        }
        EXPECT_EQ(line(addressed ? 1 : 0), c.purpose ? ru(c.purpose) : AnsiString("<none>")) << c.index;
    }

    // Category 0: no balloon, but the firms at its address are still looked up.
    const int looked = lookups;
    const int building = busiest(1);
    map->LoadEditObject(building);
    map->EditBuffer().Record().Category = 0;
    map->PostEditObject();
    locate(building);
    EXPECT_FALSE(balloonShown());
    EXPECT_EQ(w->LastPickedId, object(building).Id);
    EXPECT_EQ(lookups, looked + 1);

    // A right press, or a press with the lens, neither shows the balloon nor looks anything up.
    w->DataMap1MouseUp();
    press(busiest(0), mid, mbRight);
    release(mid, mbRight);
    w->SpeedButton4Click();
    press(busiest(0), mid);
    EXPECT_FALSE(balloonShown());
    release(mid);
    EXPECT_EQ(lookups, looked + 1);
}

TEST_F(PickTest, PickListsTheFirmsAtTheAddressAndMovesTheHighlight) {
    const auto hasOwnColours = [this](int index, const TKEXMapObjectMem& own) {
        return object(index).Pen == own.Pen && object(index).Brush == own.Brush;
    };
    const int first = busiest(0);
    const TKEXMapObjectMem firstOwn = object(first);
    press(first, mid);
    EXPECT_TRUE(balloonShown());
    release(mid);
    EXPECT_FALSE(balloonShown());

    map->LoadEditObject(first);
    const std::vector<AnsiString> expected = column(
        "select O.Name from Office O where exists (select 1 from Branch B where B.Office_Id = O.Office_Id and "
        "Upper(B.Street) = '" + map->EditBuffer().StreetName + "' and Upper(B.House) = '" +
        map->EditBuffer().HouseNumber + "') order by O.Name");
    ASSERT_GT(expected.size(), 1u);
    EXPECT_EQ(listed(), expected);
    EXPECT_TRUE(w->CardAt(0, 0)->Visible());
    EXPECT_TRUE(isRed(first));

    // A building drawn with a pen of width 2, picked and left again, gets exactly its own back.
    int wide = -1;
    for (int i = 0; i < map->GetObjectCount() && wide < 0; ++i)
        if (object(i).HasAddress() && object(i).Pen.Width == 2 && testsupport::centreObjectAt(*map, i, mid))
            wide = i;
    ASSERT_GE(wide, 0);
    const TKEXMapObjectMem wideOwn = object(wide);
    pick(wide);
    EXPECT_TRUE(isRed(wide));
    EXPECT_TRUE(hasOwnColours(first, firstOwn));
    pick(first);
    EXPECT_TRUE(hasOwnColours(wide, wideOwn));

    // The listed building again looks nothing up; after a rubric search it does.
    const int looked = lookups;
    pick(first);
    EXPECT_EQ(lookups, looked);
    w->ExDBGrid2DblClick();
    pick(first);
    EXPECT_EQ(lookups, looked + 1);

    // After an address link moved the highlight, the listed building takes it back without a
    // lookup or a refill.
    const TRichEditWithLinks* card = w->CardAt(0, 0);
    {
        app::RedrawBracket bracket(*map);
        w->HighlightObject(wide);
    }
    pick(first);
    EXPECT_TRUE(isRed(first));
    EXPECT_TRUE(hasOwnColours(wide, wideOwn));
    EXPECT_EQ(lookups, looked + 1);
    EXPECT_EQ(w->CardAt(0, 0), card);

    // A highlighted object that is gone leaves the next one its own colours.
    map->Options()->SetmpLocked(false);
    map->DeleteObject(first, /*RecalcExtent=*/false);
    wide = map->Model().FindObjectById(wideOwn.Id);
    pick(wide);
    {
        app::RedrawBracket bracket(*map);
        w->HighlightObject(-1);
    }
    EXPECT_TRUE(hasOwnColours(wide, wideOwn));
}

TEST_F(PickTest, AnObjectWhoseIdIsAllOnesLooksNothingUp) {
    const int building = busiest(0);
    map->LoadEditObject(building);
    map->EditBuffer().Record().Id = 0xFFFFFFFFu; // the unsigned form of the id -1
    map->PostEditObject();
    const std::int64_t listed = w->LastPickedId;
    const int looked = lookups;
    locate(building);
    EXPECT_EQ(lookups, looked);
    EXPECT_EQ(w->LastPickedId, listed);
    EXPECT_FALSE(isRed(building));
}

TEST_F(PickTest, ADatabaseErrorInTheLookupLeavesTheMapRedrawing) {
    w->qObjInfo->BeforeOpen = [](TDataSet*) { throw Exception("the address query failed"); };
    EXPECT_ANY_THROW(locate(busiest(0)));
    EXPECT_TRUE(map->Ready());
}

} // namespace
