// The card's rich edit on a real form: link clicks reported once with their text, window
// re-creation, link formats and the arrow cursor.
#include "widgets/TRichEditWithLinks.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/CardRtf.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TScreen.h"

namespace {

// A rubric link followed by plain text on the first line, then a web link.
const std::string kCard = testsupport::kCardHeader + testsupport::kCardPlain +
                          testsupport::cardRubric(tk::fromUtf8("Кафе")) + tk::fromUtf8(" ресторан и бар") + "\\par" +
                          testsupport::cardWeb("www.valdren.example") + "}";

// Points on the first line: inside the rubric link and inside the plain text after it.
constexpr TPoint kOnRubric{12, 10};
constexpr TPoint kOnPlain{90, 10};

struct Click {
    int cpMin;
    int cpMax;
    std::string text;
    bool operator==(const Click&) const = default;
};

template <class Edit>
struct Card {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    Edit* edit = new Edit(form.get());

    Card() {
        form->SetBounds(0, 0, 300, 120);
        edit->SetParent(form.get());
        edit->SetAlign(alClient);
        edit->SetReadOnly(true);
        edit->SetScrollBars(ssVertical);
        edit->SetWordWrap(true);
        testsupport::loadCard(*edit, kCard);
        form->Show();
        form->SetFocus();
        Application->ProcessMessages();
    }
    void press(TMouseButton button, TPoint at) {
        tk::input::press(*edit, button, at.X, at.Y);
        tk::input::release(*edit, button, at.X, at.Y);
        Application->ProcessMessages();
    }
};

struct LinkCard : Card<TRichEditWithLinks> {
    std::vector<Click> clicks;
    LinkCard() {
        edit->OnHyperlinkClicked = [this](TPersistent* Sender, std::int32_t cpMin, std::int32_t cpMax,
                                          const AnsiString& text) {
            EXPECT_EQ(Sender, edit);
            clicks.push_back(Click{cpMin, cpMax, text});
        };
    }
};

TEST(TRichEditWithLinksTest, LeftPressOnALinkReportsItsTextOnceAndNothingElseDoes) {
    LinkCard card;
    tk::input::press(*card.edit, mbLeft, kOnRubric.X, kOnRubric.Y);
    Application->ProcessMessages();
    const std::vector<Click> rubric{{0, 4, tk::fromUtf8("Кафе")}};
    EXPECT_EQ(card.clicks, rubric) << "on the press";
    tk::input::move(*card.edit, kOnRubric.X + 2, kOnRubric.Y);
    tk::input::release(*card.edit, mbLeft, kOnRubric.X + 2, kOnRubric.Y);
    card.press(mbRight, kOnRubric);
    card.press(mbLeft, kOnPlain);
    card.edit->Perform(CN_NOTIFY, 0, 0); // a notification without its record is no link
    EXPECT_EQ(card.clicks, rubric);

    // Without a handler a click places the caret as in a plain rich edit.
    card.edit->OnHyperlinkClicked = nullptr;
    card.press(mbLeft, kOnRubric);
    Card<TRichEdit> plain;
    plain.press(mbLeft, kOnRubric);
    EXPECT_EQ(card.edit->SelStart(), plain.edit->SelStart());
    EXPECT_EQ(card.edit->SelLength(), 0);
}

TEST(TRichEditWithLinksTest, LinksAreStillReportedAfterTheWindowIsRecreated) {
    Card<TRichEdit> plain;
    plain.edit->Perform(EM_SETEVENTMASK, 0, plain.edit->Perform(EM_GETEVENTMASK, 0, 0) | ENM_LINK);
    plain.edit->RecreateWnd();
    EXPECT_FALSE(plain.edit->Perform(EM_GETEVENTMASK, 0, 0) & ENM_LINK) << "a new window starts without links";

    LinkCard card;
    card.edit->RecreateWnd();
    card.press(mbLeft, kOnRubric);
    EXPECT_EQ(card.clicks.size(), 1u);
}

TEST(TRichEditWithLinksTest, SelLinkMakesAndUnmakesLinksAndTheArrowShowsEverywhere) {
    LinkCard card;
    card.edit->Font()->SetColor(clMaroon);
    card.edit->SetSelStart(0);
    card.edit->SetSelLength(4);
    card.edit->SetSelLink(false);
    card.edit->SetSelStart(2);
    EXPECT_FALSE(card.edit->SelAttributes()->Style().Contains(fsUnderline));
    EXPECT_EQ(card.edit->SelAttributes()->Color(), clMaroon);
    card.press(mbLeft, kOnRubric);
    EXPECT_TRUE(card.clicks.empty());

    card.edit->SetSelStart(0);
    card.edit->SetSelLength(2);
    card.edit->SetSelLink(true, clBlue);
    card.edit->SetSelStart(1);
    EXPECT_TRUE(card.edit->SelAttributes()->Style().Contains(fsUnderline));
    EXPECT_EQ(card.edit->SelAttributes()->Color(), clBlue);
    card.press(mbLeft, Point(4, 10));
    EXPECT_EQ(card.clicks, (std::vector<Click>{{0, 2, tk::fromUtf8("Ка")}}));

    // A plain edit shows the text beam over its text (its window lies over the card's while it
    // lives); the card shows the arrow, over its scroll bar too.
    {
        Card<TRichEdit> plain;
        tk::input::move(*plain.edit, kOnPlain.X, kOnPlain.Y);
        Application->ProcessMessages();
        EXPECT_EQ(GetCursor(), Screen->Cursors(crIBeam));
    }
    for (const TPoint at : {Point(4, 10), kOnPlain, Point(card.edit->Width() - 5, 60)}) {
        tk::input::move(*card.edit, at.X, at.Y);
        Application->ProcessMessages();
        EXPECT_EQ(GetCursor(), Screen->Cursors(crArrow)) << at.X << "," << at.Y;
    }
}

} // namespace
