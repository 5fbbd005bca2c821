// The firm cards' links: an e-mail or web address opens with the desktop, a rubric lists that
// rubric's firms, and a branch address finds its building on the map, zooms to it and marks it.
#include "app/TfmValdrenGIS.h"

#include "app/RedrawBracket.h"
#include "app/RerunQuery.h"
#include "data/TDbQuery.h"
#include "data/TDbTable.h"
#include "map/TDataMap.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Shell.h"
#include "toolkit/TApplication.h"
#include "toolkit/TField.h"
#include "toolkit/TParam.h"
#include "toolkit/TTextAttributes.h"
#include "widgets/TRichEditWithLinks.h"

namespace {

AnsiString ru(std::string_view utf8) { return tk::fromUtf8(utf8); }

bool contains(const AnsiString& text, std::string_view part) { return text.find(part) != AnsiString::npos; }

// The card writes rubric links in dark red, the colour its other links never have.
constexpr TColor kRubricLinkColor = RGB(140, 0, 0);
// A building found by an address link is shown at most this zoomed in.
constexpr int kAddressScale = 250;
// A house number on the map has at most 6 characters.
constexpr std::size_t kHouseLength = 6;

} // namespace

void TfmValdrenGIS::InfoHlinkClicked(TPersistent* Sender, std::int32_t cpMin, std::int32_t, const AnsiString& Link) {
    auto& card = *static_cast<TRichEditWithLinks*>(Sender);
    // The card shows a blank after a comma as part of the next address; the desktop gets none.
    const AnsiString target = Trim(Link);
    if (contains(Link, "@")) {
        openWithDesktop(contains(target, "mailto:") ? target : "mailto:" + target);
        return;
    }
    // The colour tells a rubric before the dot tells a web address, as rubric names may hold dots;
    // only the hidden caret moves, the focus stays where it is.
    card.SetSelStart(cpMin + 1);
    const bool rubric = card.SelAttributes()->Color() == kRubricLinkColor;
    if (!rubric && contains(Link, ".") && !contains(Link, ",")) {
        openWithDesktop(contains(target, "http://") ? target : "http://" + target);
        return;
    }
    card.SetFocus();
    if (rubric)
        followRubricLink(card, Link);
    else
        followAddressLink(Link);
}

void TfmValdrenGIS::openWithDesktop(const AnsiString& Target) { ShellExecute(Handle(), "open", Target.c_str(), "", "", 0); }

void TfmValdrenGIS::followRubricLink(TRichEditWithLinks& Card, const AnsiString& Name) {
    BeginWait();
    Card.SetCursor(crHourGlass);
    try {
        dbRubric->SetKey();
        dbRubric->FieldByName("Name")->SetAsString(Name);
        // A name no rubric has changes nothing: the table stays on another rubric's row.
        if (dbRubric->GotoKey()) {
            const AnsiString topic = dbRubric->FieldByName("Topic_Id")->AsString();
            app::rerunQuery(*qShowFirm, [&topic](TDbQuery& q) { q.ParamByName("Topic_Id")->SetAsString(topic); });
            // The card whose event runs now survives the fill: it is the one detached, even when
            // it was detached before and the list left it showing.
            detachCard(&Card);
            FillFirmGrid(qShowFirm);
            LastPickedId = NoObject;
            rubricName_ = Name;
            UpdateStatusBar();
        }
    } catch (...) {
        Card.SetCursor(crDefault);
        EndWait();
        throw;
    }
    Card.SetCursor(crDefault);
    EndWait();
}

void TfmValdrenGIS::followAddressLink(const AnsiString& Link) {
    // "street, house": without a comma the whole text is taken as the house, and nothing matches.
    const std::size_t comma = Link.find(',');
    const AnsiString street = comma == AnsiString::npos ? AnsiString() : Trim(Link.substr(0, comma));
    const AnsiString house = Trim(comma == AnsiString::npos ? Link : Link.substr(comma + 1)).substr(0, kHouseLength);
    const int index = DataMap1->Model().FindObjectByAddress(-1, street, house);
    if (index < 0) {
        Application->MessageBox(ru("В текущей версии указанный адрес не сопоставлен со схемой города!"), ru("Извините,"), MB_OK);
        return;
    }
    app::RedrawBracket bracket(*DataMap1);
    const int objects[] = {index};
    DataMap1->ZoomToObjects(objects, -1);
    if (DataMap1->Scale() > kAddressScale)
        DataMap1->SetScale(kAddressScale);
    HighlightObject(index);
}
