// The main window's searches and firm list on the sample database: the alphabet bar, rows and
// cards of the list, marked firms, empty results, cards freed on every
// refill and the detached card; and the search a user makes from typing to a card.
#include "app/TfmValdrenGIS.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include "ProgramFixture.h"
#include "app/FirmCard.h"
#include "app/QueryTexts.h"
#include "app/RerunQuery.h"
#include "data/TDbQuery.h"
#include "support/LinkRanges.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/TControl_p.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TBrush.h"
#include "toolkit/TCanvas.h"
#include "toolkit/TEdit.h"
#include "toolkit/TField.h"
#include "toolkit/TFont.h"
#include "toolkit/TPanel.h"
#include "toolkit/TParam.h"
#include "toolkit/TSpeedButton.h"
#include "toolkit/TStatusBar.h"
#include "toolkit/TStatusPanels.h"
#include "toolkit/TPageControl.h"
#include "toolkit/TStringList.h"
#include "toolkit/TTabSheet.h"
#include "widgets/TEmiStringGrid.h"
#include "widgets/TExDBGrid.h"
#include "widgets/TRichEditWithLinks.h"

namespace {

using apptest::ru;

constexpr TColor kMarked = 0x008EDDFB;

class FirmListTest : public apptest::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        grid = w->StringGrid1;
    }

    // The card in front on the card panel, as the list shows it.
    TRichEditWithLinks* shownCard() const {
        TRichEditWithLinks* card = w->CardAt(0, grid->Row());
        if (!card || !card->Visible() || card->Align() != alClient)
            return nullptr;
        return card;
    }

    // Fills the list with the firms of a rubric, as a double click on it does.
    void listRubric(const AnsiString& topicId) {
        app::rerunQuery(*w->qShowFirm, [&](TDbQuery& q) { q.ParamByName("Topic_Id")->SetAsString(topicId); });
        w->FillFirmGrid(w->qShowFirm);
    }

    // The alphabet bar's button, its page brought to the front.
    TSpeedButton* letterButton(const AnsiString& caption) const {
        w->PageControl1->SetActivePage(static_cast<TTabSheet*>(w->FindComponent("tsAlphabet")));
        Application->ProcessMessages();
        for (int i = 0; i < w->ComponentCount(); ++i) {
            auto* button = dynamic_cast<TSpeedButton*>(w->Components(i));
            if (button && button->Caption() == caption)
                return button;
        }
        return nullptr;
    }

    TEmiStringGrid* grid = nullptr;
};

TEST_F(FirmListTest, AlphabetButtonsListTheNamesBeginningWithTheirLetter) {
    for (const char* letter : {"Б", "1"}) {
        TSpeedButton* button = letterButton(ru(letter));
        ASSERT_NE(button, nullptr) << letter;
        tk::input::click(*button, 8, 8);
        Application->ProcessMessages();
        EXPECT_EQ(w->Edit1->Text(), ru(letter));
        const std::vector<AnsiString> names = column("select Name from Office where Upper(Name) like '" + ru(letter) +
                                                     "%' order by Name");
        ASSERT_FALSE(names.empty()) << letter;
        EXPECT_EQ(w->qShowPredpr->RecordCount(), int(names.size())) << letter;
        EXPECT_EQ(w->qShowPredpr->FieldByName("Name")->AsString(), names.front()) << letter;
    }
}

TEST_F(FirmListTest, RowsCardsAndColoursFollowTheFirms) {
    const AnsiString topic = column("select min(T.Topic_Id) from OfficeTopics T, Office O "
                                    "where O.Office_Id = T.Office_Id and O.Flags = 1")
                                 .front();
    const std::vector<AnsiString> marked = column("select O.Name from Office O, OfficeTopics T where T.Topic_Id = " +
                                                  topic + " and O.Office_Id = T.Office_Id and O.Flags = 1");
    listRubric(topic);
    ASSERT_GT(grid->RowCount(), int(marked.size()));
    TCellAlignment alignment = caTopLeft;
    bool multiLine = true;
    TBrush* brush = grid->Canvas()->Brush();
    TFont* font = grid->Canvas()->Font();
    const auto cellColours = [&](int row, TGridDrawState state) {
        brush->SetColor(clWindow);
        font->SetColor(clNavy);
        grid->OnGetCellColor(grid, row, 0, state, alignment, multiLine, brush, font);
        return std::pair{brush->Color(), font->Color()};
    };
    size_t markedCards = 0;
    for (int row = 0; row < grid->RowCount(); ++row) {
        const bool isMarked = std::find(marked.begin(), marked.end(), grid->Cells(0, row)) != marked.end();
        markedCards += w->CardAt(0, row)->Color() == kMarked;
        const auto expectedSelected = isMarked ? std::pair{clHighlight, kMarked} : std::pair{clWindow, clNavy};
        const auto expectedPlain = isMarked ? std::pair{kMarked, clNavy} : std::pair{clWindow, clNavy};
        EXPECT_EQ(cellColours(row, gdSelected), expectedSelected) << row;
        EXPECT_EQ(cellColours(row, 0), expectedPlain) << row;
    }
    EXPECT_EQ(markedCards, marked.size());
}

TEST_F(FirmListTest, LongNameTakesTwoLines) {
    const AnsiString name = column("select Name from Office order by length(Name) desc").front();
    const AnsiString office = column("select Office_Id from Office where Name = '" + name + "'").front();
    TCanvas* canvas = grid->Canvas();
    canvas->Font()->Assign(*grid->Font());
    const int nameWidth = canvas->TextWidth(name);
    const int lineHeight = canvas->TextHeight(ru("тест"));
    // Narrow enough for two lines of the name, not for one.
    w->paRight->SetWidth(w->paRight->Width() - grid->Width() + nameWidth * 2 / 3);
    ASSERT_TRUE(grid->Width() < nameWidth && nameWidth <= 2 * grid->Width());
    app::rerunQuery(*w->qShowFirm2, [&](TDbQuery& q) { q.ParamByName("Office_Id")->SetAsString(office); });
    w->FillFirmGrid(w->qShowFirm2);
    EXPECT_EQ(grid->RowHeights(0), 2 * lineHeight + 4);
}

TEST_F(FirmListTest, RefillsFreeTheCardsAndTheDetachedCardLivesOneFillMore) {
    const int withoutCards = w->ComponentCount();
    const std::vector<AnsiString> topics = column("select Topic_Id from Topic order by Topic_Id");
    listRubric(topics[0]);
    const int firstRows = grid->RowCount();
    ASSERT_GT(firstRows, 1);
    EXPECT_EQ(w->ComponentCount(), withoutCards + firstRows);

    TRichEditWithLinks* detached = w->CardAt(0, 1);
    w->detachCard(detached);
    EXPECT_EQ(w->CardAt(0, 1), nullptr);
    listRubric(topics[1]);
    EXPECT_EQ(w->DetachedCard, detached);
    EXPECT_EQ(w->ComponentCount(), withoutCards + grid->RowCount() + 1);
    EXPECT_FALSE(detached->Text().empty());

    // A double click on an empty rubric grid empties the list and frees the detached card.
    w->Edit2->SetText("zzzz");
    w->ExDBGrid2DblClick();
    EXPECT_EQ(w->DetachedCard, nullptr);
    EXPECT_EQ(grid->RowCount(), 1);
    EXPECT_EQ(grid->Cells(0, 0), AnsiString());
    EXPECT_EQ(w->CardAt(0, 0), nullptr);
    EXPECT_EQ(w->ComponentCount(), withoutCards);
    // The empty row shows no selection bar.
    TCellAlignment alignment = caTopLeft;
    bool multiLine = true;
    TBrush* brush = grid->Canvas()->Brush();
    brush->SetColor(clHighlight);
    grid->OnGetCellColor(grid, 0, 0, gdSelected, alignment, multiLine, brush, grid->Canvas()->Font());
    EXPECT_EQ(brush->Color(), grid->Color());
}

TEST_F(FirmListTest, FailedFillLeavesAListThatFillsAgain) {
    const int withoutCards = w->ComponentCount();
    // Without the firm fields of a firm query the first card cannot be built.
    TDbQuery names(nullptr);
    names.SetDatabaseName("DbConnection1");
    names.SQL()->SetText("select Office_Id, Name from Office where Office_Id < 4");
    names.Open();
    EXPECT_ANY_THROW(w->FillFirmGrid(&names));
    EXPECT_FALSE(grid->Updating());
    listRubric(column("select min(Topic_Id) from Topic").front());
    EXPECT_EQ(w->ComponentCount(), withoutCards + grid->RowCount());
    EXPECT_NE(shownCard(), nullptr);
}

TEST_F(FirmListTest, TypedRubricAndChosenNameShowTheirCards) {
    w->Edit2->SetFocus();
    // "апт" on the Russian layout's keys.
    for (const auto& [key, typed] : {std::pair{'F', "а"}, std::pair{'G', "п"}, std::pair{'N', "т"}}) {
        tk::input::key(*w, std::uint16_t(key), 0, ru(typed)[0]);
        Application->ProcessMessages();
    }
    tk::input::key(*w, VK_RETURN, 0, '\r');
    Application->ProcessMessages();
    tk::input::key(*w, VK_RETURN, 0, '\r');
    Application->ProcessMessages();
    EXPECT_EQ(listed(), firmsOfRubric(ru("Аптеки")));
    EXPECT_EQ(panel(1), ru("Рубрика: Аптеки"));

    ASSERT_GT(grid->RowCount(), 1);
    const TRect second = grid->CellRect(0, 1);
    tk::input::click(*grid, second.Left + 5, second.Top + 3);
    Application->ProcessMessages();
    ASSERT_EQ(grid->Row(), 1);
    ASSERT_NE(shownCard(), nullptr);
    const AnsiString street = column("select B.Street from Branch B, Office O where O.Office_Id = B.Office_Id and O.Name = '" +
                                     grid->Cells(0, 1) + "'")
                                  .front();
    EXPECT_NE(shownCard()->Text().find(street), std::string::npos);

    tk::input::click(*letterButton(ru("Б")), 8, 8);
    Application->ProcessMessages();
    tk::input::doubleClick(*w->ExDBGrid1, mbLeft, 30, 25);
    Application->ProcessMessages();
    const AnsiString office = w->qShowPredpr->FieldByName("Office_Id")->AsString();
    EXPECT_EQ(listed(), column("select Name from Office where Office_Id = " + office));
    ASSERT_NE(shownCard(), nullptr);
    const AnsiString itsStreet = column("select Street from Branch where Office_Id = " + office).front();
    EXPECT_NE(shownCard()->Text().find(itsStreet), std::string::npos);
}

TEST_F(FirmListTest, CardsWithoutWindowsMatchCardsBuiltWithTheirWindows) {
    const int zeroHeight = grid->Canvas()->TextHeight("0");
    const std::vector<AnsiString> rubrics =
        column("select Topic_Id from OfficeTopics group by Topic_Id order by count(*) desc, Topic_Id");
    ASSERT_GE(rubrics.size(), 3u);
    for (size_t r = 0; r < 3; ++r) {
        SCOPED_TRACE(rubrics[r]);
        listRubric(rubrics[r]);
        TDbQuery firms(nullptr);
        firms.SetDatabaseName("DbConnection1");
        firms.SQL()->SetText(app::sql::kShowFirm);
        firms.ParamByName("Topic_Id")->SetAsString(rubrics[r]);
        firms.Open();
        for (int row = 0; !firms.Eof(); ++row, firms.Next()) {
            TRichEditWithLinks* card = w->CardAt(0, row);
            ASSERT_NE(card, nullptr);
            // Only the first card has been shown.
            EXPECT_EQ(card->hasPeer(), row == 0) << row;
            // Built as every card was before: placed on the shown card panel while visible, so
            // that its window exists from the start, then hidden and built in the row's place.
            TRichEditWithLinks withWindow(nullptr);
            withWindow.SetParent(w->paRTF);
            withWindow.SetVisible(false);
            ASSERT_TRUE(withWindow.hasPeer());
            app::setUpFirmCard(withWindow);
            withWindow.SetColor(card->Color());
            withWindow.Clear();
            grid->SetObjects(0, row, &withWindow);
            w->BuildFirmCard(0, row, &firms);
            grid->SetObjects(0, row, card);
            withWindow.SetHeight(int(withWindow.Perform(EM_GETLINECOUNT, 0, 0)) * zeroHeight);
            // The first card is shown, filling the card panel: so is its twin.
            if (row == 0) {
                withWindow.SetAlign(alClient);
                withWindow.SetVisible(true);
            }
            const LRESULT lines = withWindow.Perform(EM_GETLINECOUNT, 0, 0);

            EXPECT_EQ(card->richText().document().toHtml(), withWindow.richText().document().toHtml()) << row;
            EXPECT_EQ(card->Perform(EM_GETLINECOUNT, 0, 0), lines) << row;
            EXPECT_EQ(card->Height(), withWindow.Height()) << row;
            EXPECT_EQ(testsupport::linkRanges(*card), testsupport::linkRanges(withWindow)) << row;
            EXPECT_EQ(card->hasPeer(), row == 0) << row;
        }
        // Shown, a card gets its window, which asks for links.
        if (grid->RowCount() > 1) {
            TRichEditWithLinks* second = w->CardAt(0, 1);
            bool canSelect = true;
            w->StringGrid1SelectCell(0, 1, canSelect);
            Application->ProcessMessages();
            EXPECT_TRUE(second->hasPeer());
            EXPECT_TRUE(second->Showing());
            EXPECT_EQ(second->Perform(EM_GETEVENTMASK, 0, 0) & ENM_LINK, ENM_LINK);
        }
    }
}

TEST_F(FirmListTest, LongCardOpensAtItsFirstLineAndScrollsToItsLastLineWhole) {
    // The firm with the most branches, its card in a pane lower than the card.
    const AnsiString office =
        column("select Office_Id from Branch group by Office_Id order by count(*) desc, Office_Id").front();
    app::rerunQuery(*w->qShowFirm2, [&](TDbQuery& q) { q.ParamByName("Office_Id")->SetAsString(office); });
    w->FillFirmGrid(w->qShowFirm2);
    w->paRTF->SetHeight(60);
    Application->ProcessMessages();
    TRichEditWithLinks* card = shownCard();
    ASSERT_NE(card, nullptr);
    auto& edit = static_cast<QTextEdit&>(*card->peer().widget());
    QScrollBar& bar = *edit.verticalScrollBar();
    ASSERT_GT(bar.maximum(), 0);
    const QTextDocument& document = *edit.document();
    const auto firstLineTop = [&] {
        const QTextBlock first = document.begin();
        return first.layout()->position().y() + first.layout()->lineAt(0).y() - bar.value();
    };
    const auto lastLineBottom = [&] {
        const QTextBlock last = document.lastBlock();
        const QTextLine line = last.layout()->lineAt(last.layout()->lineCount() - 1);
        return last.layout()->position().y() + line.y() + line.height() - bar.value();
    };
    EXPECT_EQ(bar.value(), 0);
    EXPECT_GE(firstLineTop(), 0);

    for (int notch = 0; notch < 40; ++notch)
        tk::input::wheel(*card, -120, 10, 10);
    Application->ProcessMessages();
    EXPECT_EQ(bar.value(), bar.maximum());
    EXPECT_LE(lastLineBottom(), edit.viewport()->height());
}

} // namespace
