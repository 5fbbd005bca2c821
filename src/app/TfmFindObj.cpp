// The find dialog's layout and its handlers: the street type-ahead, the upper-cased house number
// and the refusal of an empty street.
#include "app/TfmFindObj.h"

#include <algorithm>

#include "app/TfmValdrenGIS.h"
#include "data/TDbTable.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/Shell.h"
#include "toolkit/TButton.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TDataSet.h"
#include "toolkit/TField.h"
#include "toolkit/TLabel.h"

TfmFindObj* fmFindObj = nullptr;

namespace {

AnsiString ru(std::string_view utf8) { return tk::fromUtf8(utf8); }

// The dataset's controls stay disabled while it lives.
class ControlsDisabled {
public:
    explicit ControlsDisabled(TDataSet& data) : data_(data) { data_.DisableControls(); }
    ~ControlsDisabled() { data_.EnableControls(); }
    ControlsDisabled(const ControlsDisabled&) = delete;
    ControlsDisabled& operator=(const ControlsDisabled&) = delete;

private:
    TDataSet& data_;
};

TComboBox* combo(TfmFindObj* form, const char* name, const char* caption, int left, int width) {
    auto* l = new TLabel(form);
    l->SetParent(form);
    l->SetCaption(ru(caption));
    l->SetBounds(left, 8, width, 13);
    auto* c = new TComboBox(form);
    c->SetName(name);
    c->SetParent(form);
    c->SetBounds(left, 24, width, 21);
    c->SetSorted(true);
    return c;
}

TButton* button(TfmFindObj* form, const char* caption, int left, TModalResult result) {
    auto* b = new TButton(form);
    b->SetParent(form);
    b->SetCaption(ru(caption));
    b->SetBounds(left, 68, 80, 25);
    b->SetModalResult(result);
    return b;
}

} // namespace

TfmFindObj::TfmFindObj(TComponent* AOwner) : TForm(AOwner) {
    BeginLayout();
    SetCaption(ru("Найти объект"));
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 281, 106);
    // The house box keeps its 73 pixels; the street box takes what is left of the 281.
    cbStreet = combo(this, "cbStreet", "Улица:", 4, 194);
    cbHouse = combo(this, "cbHouse", "Дом:", 204, 73);
    BitBtn1 = button(this, "Найти", 104, mrOk);
    BitBtn1->SetDefault(true);
    BitBtn2 = button(this, "Отмена", 193, mrCancel);
    BitBtn2->SetCancel(true);
    SetActiveControl(cbStreet);
    dbStreets = new TDbTable(this);
    dbStreets->SetName("dbStreets");
    dbStreets->SetTableName("Street");
    dbStreets->SetIndexName("NAME");
    for (TComboBox* box : {cbStreet, cbHouse})
        box->OnEnter = [this](TPersistent*) { cbStreetEnter(); };
    cbStreet->OnKeyPress = [this](TPersistent*, char& Key) { cbStreetKeyPress(Key); };
    cbHouse->OnKeyPress = [this](TPersistent*, char& Key) { cbHouseKeyPress(Key); };
    BitBtn2->OnClick = [this](TPersistent*) { BitBtn2Click(); };
    OnCreate = [this](TPersistent*) { FormCreate(); };
    OnCloseQuery = [this](TPersistent*, bool& CanClose) { FormCloseQuery(CanClose); };
    OnClose = [this](TPersistent*, TCloseAction&) { FormClose(); };
    EndLayout();
}

TfmFindObj::~TfmFindObj() {
    if (fmFindObj == this)
        fmFindObj = nullptr;
}

void TfmFindObj::FormCreate() {
    if (fmValdrenGIS)
        dbStreets->SetDbConnection(fmValdrenGIS->DbConnection1);
    dbStreets->Open();
}

void TfmFindObj::cbStreetEnter() { LoadKeyboardLayout("00000419", KLF_ACTIVATE); }

void TfmFindObj::cbStreetKeyPress(char& Key) {
    if (cbStreet->DroppedDown())
        return;
    Key = AnsiUpperCase(AnsiString(1, Key))[0];
    if (Key == '\b')
        return;
    const AnsiString text = cbStreet->Text();
    const auto selStart = static_cast<size_t>(cbStreet->SelStart());
    const auto selEnd = std::min(text.size(), selStart + static_cast<size_t>(cbStreet->SelLength()));
    const AnsiString candidate = text.substr(0, selStart) + Key + text.substr(selEnd);
    // The key is taken only as part of a completion; any other key leaves the text as it was.
    Key = 0;
    const ControlsDisabled quiet(*dbStreets);
    dbStreets->FindNearest({candidate});
    // The nearest key is the next greater name when no name begins with the candidate.
    const AnsiString found = dbStreets->FieldByName("Name")->AsString();
    if (!found.starts_with(candidate)) {
        dbStreets->FindNearest({text});
        return;
    }
    cbStreet->SetText(found);
    cbStreet->SetSelStart(static_cast<int>(candidate.size()));
    cbStreet->SetSelLength(static_cast<int>(found.size() - candidate.size()));
}

void TfmFindObj::cbHouseKeyPress(char& Key) { Key = AnsiUpperCase(AnsiString(1, Key))[0]; }

void TfmFindObj::FormCloseQuery(bool& CanClose) {
    if (ModalResult() == mrOk && cbStreet->Text().empty())
        CanClose = false;
    cbStreet->SetFocus();
}

void TfmFindObj::FormClose() { cbStreet->SetFocus(); }

void TfmFindObj::BitBtn2Click() { Close(); }
