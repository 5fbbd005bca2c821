// Following a firm card's links on the main window after the real start-up, on a copy of the sample
// database that adds a rubric whose name holds dots and a rubric name held by two rubrics (the one
// the key search finds has no firms): e-mail and web links opened trimmed, rubric links listing
// their firms, address links zooming to the building and marking it.
#include <gtest/gtest.h>

#include <vector>

#include "ProgramFixture.h"
#include "app/FirmCardText.h"
#include "app/RedrawBracket.h"
#include "app/TfmValdrenGIS.h"
#include "map/TDataMap.h"
#include "support/CardRtf.h"
#include "support/SampleQueries.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/Dialogs.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TEdit.h"
#include "toolkit/TPanel.h"
#include "toolkit/TStatusBar.h"
#include "toolkit/TStatusPanels.h"
#include "widgets/TEmiStringGrid.h"
#include "widgets/TExDBGrid.h"
#include "widgets/TRichEditWithLinks.h"

namespace {

using apptest::ru;

const char* const kDotted = "Стройматериалы и т.д.";
const char* const kShared = "Общая рубрика";

class CardLinksTest : public apptest::MainWindowFixture {
protected:
    void SetUp() override {
        // The firm with the first id gets the dotted rubric and the second of the two shared ones.
        const AnsiString linkFirstFirm = "INSERT INTO OfficeTopics (Office_Id, Topic_Id) VALUES "
                                         "((SELECT MIN(Office_Id) FROM Office), (SELECT MAX(Topic_Id) FROM Topic))";
        useDatabaseWith({"INSERT INTO Topic (Name) VALUES ('" + ru(kDotted) + "')", linkFirstFirm,
                         "INSERT INTO Topic (Name) VALUES ('" + ru(kShared) + "')",
                         "INSERT INTO Topic (Name) VALUES ('" + ru(kShared) + "')", linkFirstFirm});
        MainWindowFixture::SetUp();
    }

    // The rubric's firms as the rubric search lists them; the card of the firm named Firm, or of
    // the first one.
    TRichEditWithLinks& searchRubric(const AnsiString& rubric, const AnsiString& firm = AnsiString()) {
        w->Edit2->SetText(rubric);
        EXPECT_TRUE(w->qShowCat->Locate("Name", Variant(rubric), {}));
        w->ExDBGrid2DblClick();
        int row = 0;
        while (!firm.empty() && row + 1 < w->StringGrid1->RowCount() && w->StringGrid1->Cells(0, row) != firm)
            ++row;
        bool canSelect = true;
        w->StringGrid1->SetRow(row);
        w->StringGrid1SelectCell(0, row, canSelect);
        return *w->CardAt(0, row);
    }
    // Fires the card's link event for the link text shown on it (its first occurrence).
    void click(TRichEditWithLinks& card, const AnsiString& link) {
        const int at = testsupport::textPosition(card, link);
        ASSERT_GE(at, 0) << tk::toUtf8(link);
        card.OnHyperlinkClicked(&card, at, at + int(link.size()), link);
    }
    // A card of the list's kind built from made-up firm data.
    TRichEditWithLinks& madeUpCard(const app::FirmCardData& firm) {
        auto* card = new TRichEditWithLinks(w);
        card->SetParent(w->paRTF);
        card->OnHyperlinkClicked = [this](TPersistent* s, std::int32_t a, std::int32_t b, const AnsiString& t) {
            w->InfoHlinkClicked(s, a, b, t);
        };
        testsupport::loadCard(*card, app::firmCardText(firm, 250, [](const AnsiString& s) { return int(s.size()) * 6; }));
        return *card;
    }
};

TEST_F(CardLinksTest, LinksAreToldApartInOrderAndOpenedTrimmed) {
    TRichEditWithLinks& card = searchRubric(ru(kDotted));
    // Any spot of the card outside its rubric line.
    const int notRubric = card.GetTextLen() - 2;
    const struct {
        const char* link;
        const char* opened;
    } cases[] = {
        {"a@b.ru", "mailto:a@b.ru"},         {"mailto:a@b.ru", "mailto:a@b.ru"},
        {"a.b@c.ru", "mailto:a.b@c.ru"},     {"x, a@b.ru", "mailto:x, a@b.ru"},
        {"www.x.ru", "http://www.x.ru"},     {"http://x.ru", "http://x.ru"},
        {" http://x.valdren.ru", "http://x.valdren.ru"},
    };
    for (const auto& c : cases) {
        opened_.clear();
        card.OnHyperlinkClicked(&card, notRubric, notRubric + 1, c.link);
        EXPECT_EQ(opened_, std::vector<AnsiString>{c.opened}) << c.link;
    }
    w->Edit2->SetFocus();
    Application->ProcessMessages();
    card.OnHyperlinkClicked(&card, notRubric, notRubric + 1, "www.x.ru");
    EXPECT_TRUE(w->Edit2->Focused());
    opened_.clear();
    click(card, ru(kDotted));
    EXPECT_TRUE(card.Focused());
    EXPECT_TRUE(opened_.empty());
}

TEST_F(CardLinksTest, RubricLinkListsTheRubricsFirmsAndKeepsItsCard) {
    TRichEditWithLinks& card = searchRubric(ru(kDotted));
    const AnsiString firm = w->StringGrid1->Cells(0, 0);
    const AnsiString rubric = column("select T.Name from Topic T, OfficeTopics OT where T.Topic_Id = OT.Topic_Id and "
                                     "OT.Office_Id = (select min(Office_Id) from Office) and T.Name <> '" +
                                     ru(kDotted) + "' and T.Name <> '" + ru(kShared) + "' order by T.Name")
                                  .at(0);
    w->LastPickedId = 1;
    click(card, rubric);
    EXPECT_EQ(listed(), firmsOfRubric(rubric));
    EXPECT_EQ(panel(1), ru("Рубрика: ") + rubric);
    EXPECT_EQ(w->LastPickedId, TfmValdrenGIS::NoObject);
    EXPECT_EQ(w->DetachedCard, &card);

    // The dotted rubric is a rubric, not a web address.
    click(card, ru(kDotted));
    EXPECT_EQ(listed(), std::vector<AnsiString>{firm});
    EXPECT_EQ(panel(1), ru("Рубрика: ") + ru(kDotted));
    EXPECT_TRUE(opened_.empty());

    // A rubric that no rubric row has changes nothing.
    TRichEditWithLinks& stray = madeUpCard({{ru("Нет такой рубрики")}, "", {}});
    click(stray, ru("Нет такой рубрики"));
    EXPECT_EQ(listed(), std::vector<AnsiString>{firm});
    EXPECT_EQ(panel(1), ru("Рубрика: ") + ru(kDotted));
    EXPECT_EQ(w->DetachedCard, &card);

    // The key search finds the shared name's rubric without firms: the list empties and the
    // clicked card, left showing, is clicked again.
    click(card, ru(kShared));
    EXPECT_TRUE(listed().empty());
    EXPECT_EQ(w->DetachedCard, &card);
    click(card, ru(kShared));
    EXPECT_EQ(w->DetachedCard, &card);

    // The next refill from a double click frees it.
    w->ExDBGrid2DblClick();
    EXPECT_EQ(w->DetachedCard, nullptr);
}

TEST_F(CardLinksTest, AddressLinkZoomsToTheBuildingAndMarksItOrSaysItIsNotOnTheMap) {
    const std::vector<testsupport::Address> busiest = testsupport::busiestAddresses("DbConnection1", 2);
    const int picked = map->Model().FindObjectByAddress(-1, busiest[0].street, busiest[0].house);
    const int target = map->Model().FindObjectByAddress(-1, busiest[1].street, busiest[1].house);
    const TKEXMapObjectMem pickedOwn = object(picked);
    w->DataMap1MouseDown(mbLeft, 10, 10);
    map->LoadEditObject(picked);
    w->DataMap1AfterLocate(true);
    ASSERT_TRUE(isRed(picked));
    const std::vector<AnsiString> list = listed();
    const std::int64_t lastPicked = w->LastPickedId;

    AnsiString offStreet, offHouse;
    for (const AnsiString& address : column("select distinct Street || ',' || House from Branch")) {
        const std::size_t comma = address.find(',');
        if (map->Model().FindObjectByAddress(-1, address.substr(0, comma), address.substr(comma + 1)) >= 0)
            continue;
        offStreet = address.substr(0, comma);
        offHouse = address.substr(comma + 1);
        break;
    }
    ASSERT_FALSE(offStreet.empty());
    TRichEditWithLinks& card = madeUpCard({{}, "", {{busiest[1].street, busiest[1].house, "", ""}, {offStreet, offHouse, "", ""}}});

    click(card, busiest[1].street + ", " + busiest[1].house);
    EXPECT_EQ(map->Scale(), 250);
    EXPECT_TRUE(isRed(target));
    EXPECT_EQ(object(picked).Pen, pickedOwn.Pen);
    EXPECT_EQ(object(picked).Brush, pickedOwn.Brush);
    EXPECT_EQ(listed(), list);
    EXPECT_EQ(w->LastPickedId, lastPicked);

    click(card, offStreet + ", " + offHouse);
    expectOneBox("В текущей версии указанный адрес не сопоставлен со схемой города!", "Извините,", MB_OK);
    EXPECT_TRUE(isRed(target));
}

TEST_F(CardLinksTest, FollowingACardsLinks) {
    // A firm with an e-mail and a web address, and more than one rubric.
    const testsupport::Row firm = testsupport::queryRows(
        "DbConnection1", "select O.Office_Id, O.Name, O.inetref from Office O where O.inetref like '%@%, http%' and "
                         "(select count(*) from OfficeTopics T where T.Office_Id = O.Office_Id) > 1 order by O.Office_Id").at(0);
    const std::vector<AnsiString> rubrics = column(
        "select T.Name from Topic T, OfficeTopics OT where T.Topic_Id = OT.Topic_Id and OT.Office_Id = " + firm[0] +
        " order by T.Name");
    TRichEditWithLinks& found = searchRubric(rubrics.back(), firm[1]);
    ASSERT_EQ(w->StringGrid1->Cells(0, w->StringGrid1->Row()), firm[1]);

    // A press on the card's first line follows its first rubric.
    ASSERT_NE(listed(), firmsOfRubric(rubrics.front()));
    tk::input::press(found, mbLeft, 6, 6);
    tk::input::release(found, mbLeft, 6, 6);
    Application->ProcessMessages();
    EXPECT_EQ(listed(), firmsOfRubric(rubrics.front()));
    EXPECT_EQ(panel(1), ru("Рубрика: ") + rubrics.front());

    // The blank after the comma is shown, and not opened.
    TRichEditWithLinks& card = searchRubric(rubrics.front(), firm[1]);
    const std::size_t comma = firm[2].find(',');
    click(card, firm[2].substr(0, comma));
    click(card, firm[2].substr(comma + 1));
    EXPECT_EQ(opened_, (std::vector<AnsiString>{"mailto:" + firm[2].substr(0, comma), Trim(firm[2].substr(comma + 1))}));
}

} // namespace
