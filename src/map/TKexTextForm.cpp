// The text dialog. The bar's 0 .. 360 are the angle's own unit, tenths of a degree; an angle
// beyond the bar's reach shows at its end and stays stored as it is until the bar is moved.
#include "map/TKexTextForm.h"

#include <algorithm>

#include "map/DialogLayout.h"
#include "map/FlagGuard.h"
#include "map/Rounding.h"
#include "map/TDataMap.h"
#include "map/TKEXSpinEdit.h"
#include "toolkit/TBitBtn.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TEdit.h"
#include "toolkit/TTrackBar.h"

namespace {

using tk::fromUtf8;

constexpr int kUgolMax = 360;

} // namespace

TKexTextForm::TKexTextForm(TComponent* AOwner) : TForm(AOwner) {
    SetCaption(fromUtf8("Текстовая метка"));
    SetBorderStyle(bsToolWindow);
    SetFormStyle(fsStayOnTop);
    SetPosition(poScreenCenter);
    SetClientWidth(300);
    SetClientHeight(158);
    const auto place = [this](auto* control, int x, int y, int w, int h) {
        return mapi::placeControl(control, this, x, y, w, h);
    };
    const auto label = [this](const char* caption, int x, int y) { mapi::placeLabel(this, this, caption, x, y, 100); };
    label("Угол наклона", 8, 10);
    Ugol = place(new TTrackBar(this), 110, 4, 182, 26);
    Ugol->SetMax(kUgolMax);
    label("Шрифт", 8, 42);
    VybFont = place(new TComboBox(this), 110, 38, 182, 22);
    VybFont->SetStyle(csDropDownList);
    label("Размер шрифта", 8, 72);
    SizeFont = place(new TKEXSpinEdit(this), 110, 68, 80, 22);
    Edit1 = place(new TEdit(this), 8, 98, 284, 21);
    BitBtn1 = place(new TBitBtn(this), 217, 126, 75, 25);
    BitBtn1->SetCaption("OK");
    BitBtn1->SetDefault(true);
    BitBtn1->OnClick = [this](TPersistent*) { Close(); };

    Ugol->OnChange = [this](TPersistent*) { controlChanged(/*angleMoved=*/true); };
    const TNotifyEvent changed = [this](TPersistent*) { controlChanged(/*angleMoved=*/false); };
    VybFont->OnChange = changed;
    SizeFont->OnChange = changed;
    Edit1->OnChange = changed;
}

void TKexTextForm::Execute(TDataMap* Map) {
    map_ = Map;
    {
        mapi::FlagGuard loading(loading_);
        TKEXMapText text;
        map_->GetEditText(text);
        VybFont->Items()->Clear();
        VybFont->Items()->Add(map_->Options()->FontSystem());
        VybFont->Items()->Add(map_->Options()->FontSystem1());
        VybFont->SetItemIndex(text.FontIndex < VybFont->Items()->Count() ? text.FontIndex : -1);
        Ugol->SetPosition(std::clamp(text.Angle, 0, kUgolMax));
        SizeFont->SetValue(text.Size);
        Edit1->SetText(text.Text.str());
    }
    ShowModal();
}

void TKexTextForm::controlChanged(bool angleMoved) {
    if (loading_ || map_ == nullptr)
        return;
    TKEXMapText text;
    map_->GetEditText(text);
    if (angleMoved)
        text.Angle = Ugol->Position();
    text.FontIndex = static_cast<uint8_t>(VybFont->ItemIndex());
    text.Size = mapi::truncToInt(SizeFont->Value());
    text.Text.assign(Edit1->Text());
    map_->SetEditText(text);
    map_->PostEditObject();
    map_->SetChanged();
    map_->RefreshMap();
    map_->Repaint();
}
