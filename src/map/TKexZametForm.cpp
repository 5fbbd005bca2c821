// The note dialog. Only "Запись" posts; a library chosen in the dialog is already in the
// buffer's note, where it stays after "Отмена" until the buffer is loaded again.
#include "map/TKexZametForm.h"

#include "map/CategoryVocabulary.h"
#include "map/DialogLayout.h"
#include "map/FlagGuard.h"
#include "map/TDataMap.h"
#include "map/TKexViewIcon.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/TButton.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TEdit.h"
#include "toolkit/TMemo.h"

namespace {

using tk::fromUtf8;

constexpr std::size_t kHouseLength = 6;

int indexOfText(const TStrings& items, const AnsiString& text) {
    for (int i = 0; i < items.Count(); ++i)
        if (AnsiSameText(items.Strings(i), text))
            return i;
    return -1;
}

} // namespace

TKexZametForm::TKexZametForm(TComponent* AOwner) : TForm(AOwner) {
    SetCaption(fromUtf8("Заметка"));
    SetBorderStyle(bsDialog);
    SetBorderIcons(0);
    SetPosition(poScreenCenter);
    SetClientWidth(392);
    SetClientHeight(376);
    const auto place = [this](auto* control, int x, int y, int w, int h) {
        return mapi::placeControl(control, this, x, y, w, h);
    };
    const auto label = [this](const char* caption, int x, int y) { mapi::placeLabel(this, this, caption, x, y, 160); };
    label("Категория объекта", 8, 8);
    ComboBox1 = place(new TComboBox(this), 8, 24, 376, 22);
    ComboBox1->SetStyle(csDropDownList);
    label("Улица", 8, 52);
    Edit1 = place(new TEdit(this), 8, 68, 300, 21);
    Edit1->SetCharCase(ecUpperCase);
    label("Дом", 316, 52);
    Edit2 = place(new TEdit(this), 316, 68, 68, 21);
    Edit2->SetCharCase(ecUpperCase);
    Memo1 = place(new TMemo(this), 8, 96, 376, 64);
    label("Имя библиотеки значков", 8, 168);
    NameLib = place(new TComboBox(this), 8, 184, 376, 22);
    NameLib->SetStyle(csDropDownList);
    KexViewIcon = place(new TKexViewIcon(this), 8, 210, 376, 130);
    mapi::setThumbnailLook(*KexViewIcon->Options(), 42, 1, clRed);
    KexViewIcon->SetNameLib("DEFAULT");
    Button1 = place(new TButton(this), 228, 344, 75, 25);
    Button1->SetCaption(fromUtf8("Запись"));
    Button1->SetDefault(true);
    Button2 = place(new TButton(this), 309, 344, 75, 25);
    Button2->SetCaption(fromUtf8("Отмена"));
    Button2->SetCancel(true);

    Button1->OnClick = [this](TPersistent*) { Button1Click(); };
    Button2->OnClick = [this](TPersistent*) { Button2Click(); };
    NameLib->OnChange = [this](TPersistent*) { NameLibChange(); };
}

void TKexZametForm::Execute(TDataMap* Map) {
    map_ = Map;
    {
        mapi::FlagGuard loading(loading_);
        const mapi::MapEditBuffer& buffer = map_->EditBuffer();
        TKEXMapZametka note;
        map_->GetEditNote(note);
        Memo1->SetText(note.Text.str());
        Edit1->SetText(buffer.StreetName);
        Edit2->SetText(buffer.HouseNumber);
        mapi::FillCategoryList(*ComboBox1->Items());

        TKexIcon& icons = map_->CurrentIconSet();
        KexViewIcon->SetKexIcon(&icons);
        NameLib->Items()->Clear();
        for (int i = 0; i < icons.LibCount(); ++i)
            NameLib->Items()->Add(icons.GetLibName(i));
        NameLib->SetItemIndex(NameLib->Items()->Count() > 0 ? 0 : -1);

        int category = -1;
        for (int i = 0; i < ComboBox1->Items()->Count() && category < 0; ++i)
            if (mapi::categoryIdOf(*ComboBox1->Items(), i) == buffer.Record().Category)
                category = i;
        ComboBox1->SetItemIndex(category);

        const AnsiString lib = note.LibName.str();
        NameLib->SetItemIndex(indexOfText(*NameLib->Items(), lib));
        KexViewIcon->SetNameLib(lib);
        KexViewIcon->SetNamePic(note.PicName.str());
    }
    ShowModal();
}

void TKexZametForm::Button1Click() {
    mapi::MapEditBuffer& buffer = map_->EditBuffer();
    TKEXMapZametka note;
    map_->GetEditNote(note);
    note.Text.assign(Memo1->Text());
    note.LibName.assign(KexViewIcon->NameLib());
    note.PicName.assign(KexViewIcon->NamePic());
    map_->SetEditNote(note);
    buffer.StreetName = Trim(Edit1->Text());
    buffer.HouseNumber = Trim(Edit2->Text()).substr(0, kHouseLength);
    // An object whose category the vocabulary does not know keeps it.
    if (const int item = ComboBox1->ItemIndex(); item >= 0)
        buffer.Record().Category = mapi::categoryIdOf(*ComboBox1->Items(), item);
    map_->PostEditObject();
    map_->SetChanged();
    map_->RefreshMap();
    KexViewIcon->SetKexIcon(nullptr);
    SetModalResult(mrOk);
}

void TKexZametForm::Button2Click() {
    KexViewIcon->SetKexIcon(nullptr);
    SetModalResult(mrCancel);
}

void TKexZametForm::NameLibChange() {
    if (loading_ || map_ == nullptr)
        return;
    TKEXMapZametka note;
    map_->GetEditNote(note);
    note.LibName.assign(NameLib->Text());
    map_->SetEditNote(note);
    KexViewIcon->SetNameLib(NameLib->Text());
}
