// The main window's searches and firm list: the alphabet bar, the rubric and firm-name choices,
// the list fill with one card per firm, the card text from the database, the marked firms'
// colours and the card a link took out of the list.
#include "app/TfmValdrenGIS.h"

#include <string_view>

#include "app/FirmCard.h"
#include "app/FirmCardQueries.h"
#include "app/FirmCardText.h"
#include "app/RerunQuery.h"
#include "data/TDbQuery.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/RichEditMessages.h"
#include "toolkit/Shell.h"
#include "toolkit/TBrush.h"
#include "toolkit/TCanvas.h"
#include "toolkit/TEdit.h"
#include "toolkit/TField.h"
#include "toolkit/TFont.h"
#include "toolkit/TMemoryStream.h"
#include "toolkit/TPanel.h"
#include "toolkit/TParam.h"
#include "toolkit/TScreen.h"
#include "toolkit/TSpeedButton.h"
#include "widgets/TEmiStringGrid.h"
#include "widgets/TExDBGrid.h"
#include "widgets/TRichEditWithLinks.h"

namespace {

// The background of a marked firm's card and row.
constexpr TColor kMarkedColor = 0x008EDDFB;
constexpr char kEnter = '\r';

AnsiString ru(std::string_view utf8) { return tk::fromUtf8(utf8); }

bool isMarked(const TDbQuery& firm) { return (firm.FieldByName("Flags")->AsInteger() & 1) != 0; }

// The lines a name takes in a row of the list's width, at least one.
int linesOf(int textWidth, int rowWidth) {
    if (rowWidth <= 0)
        return 1;
    const int lines = textWidth / rowWidth + (textWidth % rowWidth != 0 ? 1 : 0);
    return lines > 0 ? lines : 1;
}

} // namespace

TRichEditWithLinks* TfmValdrenGIS::CardAt(int ACol, int ARow) const {
    return static_cast<TRichEditWithLinks*>(StringGrid1->Objects(ACol, ARow));
}

void TfmValdrenGIS::SpeedButton39Click(TPersistent* Sender) {
    Edit1->SetText(UpperCase(static_cast<TSpeedButton*>(Sender)->Caption()));
}

void TfmValdrenGIS::ExDBGrid2DblClick() {
    BeginWait();
    const AnsiString topic = qShowCat->FieldByName("Topic_Id")->AsString();
    app::rerunQuery(*qShowFirm, [&topic](TDbQuery& q) { q.ParamByName("Topic_Id")->SetAsString(topic); });
    FillFirmGrid(qShowFirm);
    freeDetachedCard();
    LastPickedId = NoObject;
    rubricName_ = qShowCat->FieldByName("Name")->AsString();
    UpdateStatusBar();
    EndWait();
}

void TfmValdrenGIS::ExDBGrid2KeyPress(char& Key) {
    if (Key == kEnter)
        ExDBGrid2DblClick();
}

void TfmValdrenGIS::ExDBGrid1DblClick() {
    const TCursor saved = Screen->Cursor();
    Screen->SetCursor(crHourGlass);
    try {
        const AnsiString office = qShowPredpr->FieldByName("Office_Id")->AsString();
        app::rerunQuery(*qShowFirm2, [&office](TDbQuery& q) { q.ParamByName("Office_Id")->SetAsString(office); });
        freeDetachedCard();
        FillFirmGrid(qShowFirm2);
        LastPickedId = NoObject;
    } catch (...) {
        Screen->SetCursor(saved);
        throw;
    }
    Screen->SetCursor(saved);
}

void TfmValdrenGIS::ExDBGrid1KeyPress(char& Key) {
    if (Key == kEnter)
        ExDBGrid1DblClick();
}

void TfmValdrenGIS::FillFirmGrid(TDbQuery* Query) {
    TStrings* names = StringGrid1->Cols(0);
    names->BeginUpdate();
    // A database error while filling leaves the rows filled so far; the update still ends, or the
    // list would never be laid out or painted again.
    try {
        fillFirmRows(*Query);
    } catch (...) {
        names->EndUpdate();
        throw;
    }
    names->EndUpdate();
    // The current row goes back to the first firm with its card.
    StringGrid1->SetRow(0);
    bool canSelect = true;
    StringGrid1SelectCell(0, 0, canSelect);
}

void TfmValdrenGIS::fillFirmRows(TDbQuery& Query) {
    // Last row first: the cards go in the reverse order they came, which their parent and owner
    // take in constant time each.
    for (int row = StringGrid1->RowCount() - 1; row >= 0; --row) {
        delete CardAt(0, row);
        StringGrid1->SetObjects(0, row, nullptr);
        StringGrid1->SetCells(0, row, AnsiString());
    }
    TCanvas* canvas = StringGrid1->Canvas();
    const AnsiString sample = ru("тест");
    StringGrid1->SetDefaultRowHeight(canvas->TextHeight(sample) + 3);
    StringGrid1->SetRowCount(1);
    TFontStyles bold = canvas->Font()->Style();
    canvas->Font()->SetStyle(bold << fsBold);
    StringGrid1->SetRowCount(Query.RecordCount());
    StringGrid1->SetColWidths(0, StringGrid1->Width());
    for (int row = 0; !Query.Eof(); ++row) {
        const AnsiString name = Query.FieldByName("Name")->AsString();
        StringGrid1->SetCells(0, row, name);
        const int rowHeight = canvas->TextHeight(sample) * linesOf(canvas->TextWidth(name), StringGrid1->Width()) + 4;
        auto* card = new TRichEditWithLinks(this);
        // The cell owns the card from here, so that a failure while building it frees it with the list.
        StringGrid1->SetObjects(0, row, card);
        // Hidden before it is placed, a card gets no native window until its row shows it.
        card->SetVisible(false);
        card->SetParent(paRTF);
        app::setUpFirmCard(*card);
        card->OnHyperlinkClicked = [this](TPersistent* Sender, std::int32_t cpMin, std::int32_t cpMax,
                                          const AnsiString& Link) { InfoHlinkClicked(Sender, cpMin, cpMax, Link); };
        if (isMarked(Query))
            card->SetColor(kMarkedColor);
        card->Clear();
        BuildFirmCard(0, row, &Query);
        StringGrid1->SetRowHeights(row, rowHeight);
        card->SetHeight(int(card->Perform(EM_GETLINECOUNT, 0, 0)) * canvas->TextHeight("0"));
        Query.Next();
    }
}

void TfmValdrenGIS::BuildFirmCard(int ACol, int ARow, TDbQuery* Query) {
    const app::FirmCardData firm = app::readFirmCard(*Query, *qShowInfo, *qShowTopics);
    TCanvas* canvas = Canvas();
    const int width = paRTF->Width() - GetSystemMetrics(SM_CXVSCROLL);
    const AnsiString text = app::firmCardText(firm, width, [canvas](const AnsiString& s) { return canvas->TextWidth(s); });

    TRichEditWithLinks* card = CardAt(ACol, ARow);
    card->SetSelStart(0);
    card->SetSelLength(0);
    card->SetSelLink(false);
    card->Clear();
    TMemoryStream stream;
    stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
    stream.SetPosition(0);
    card->SetPlainText(false);
    card->Lines()->LoadFromStream(stream);
}

void TfmValdrenGIS::StringGrid1SelectCell(int ACol, int ARow, bool& CanSelect) {
    CanSelect = true;
    TRichEditWithLinks* card = CardAt(ACol, ARow);
    if (!card)
        return;
    card->SetAlign(alClient);
    card->SetVisible(true);
    card->BringToFront();
}

void TfmValdrenGIS::StringGrid1GetCellColor(int ARow, int ACol, TGridDrawState AState, TBrush* ABrush, TFont* AFont) {
    const TRichEditWithLinks* card = CardAt(ACol, ARow);
    if (!card && StringGrid1->Cells(ACol, ARow).empty()) {
        // The one row an empty list keeps holds no firm, so it shows no selection either.
        ABrush->SetColor(StringGrid1->Color());
        AFont->SetColor(StringGrid1->Font()->Color());
        return;
    }
    if (!card || card->Color() != kMarkedColor)
        return;
    if (AState & gdSelected) {
        ABrush->SetColor(clHighlight);
        AFont->SetColor(kMarkedColor);
        return;
    }
    ABrush->SetColor(kMarkedColor);
}

void TfmValdrenGIS::freeDetachedCard() {
    delete DetachedCard;
    DetachedCard = nullptr;
}

void TfmValdrenGIS::detachCard(TRichEditWithLinks* Card) {
    for (int row = 0; row < StringGrid1->RowCount(); ++row) {
        if (CardAt(0, row) == Card)
            StringGrid1->SetObjects(0, row, nullptr);
    }
    if (DetachedCard != Card)
        freeDetachedCard();
    DetachedCard = Card;
}
