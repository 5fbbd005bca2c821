// The find dialog's layout and its creation handler.
#include "app/TfmFindObj.h"

#include "app/TfmValdrenGIS.h"
#include "data/TDbTable.h"
#include "toolkit/TButton.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TLabel.h"

TfmFindObj* fmFindObj = nullptr;

namespace {

AnsiString ru(std::string_view utf8) { return tk::fromUtf8(utf8); }

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
    OnCreate = [this](TPersistent*) { FormCreate(); };
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
