// The settings dialog's layout and its handlers.
#include "app/TfmParams.h"

#include "app/ProgramSettings.h"
#include "app/TfmValdrenGIS.h"
#include "map/TDataMap.h"
#include "toolkit/NumberText.h"
#include "toolkit/TButton.h"
#include "toolkit/TCheckBox.h"
#include "toolkit/TColorDialog.h"
#include "toolkit/TFont.h"
#include "toolkit/TGroupBox.h"
#include "toolkit/TLabel.h"
#include "toolkit/TShape.h"

TfmParams* fmParams = nullptr;

namespace {

AnsiString ru(std::string_view utf8) { return tk::fromUtf8(utf8); }

TGroupBox* group(TfmParams* form, const char* caption, int top, int height) {
    auto* box = new TGroupBox(form);
    box->SetParent(form);
    box->SetCaption(ru(caption));
    box->SetBounds(8, top, 335, height);
    return box;
}

TButton* button(TfmParams* form, const char* caption, const char* hint, int left, TModalResult result) {
    auto* b = new TButton(form);
    b->SetParent(form);
    b->SetCaption(ru(caption));
    b->SetHint(ru(hint));
    b->SetShowHint(true);
    b->SetBounds(left, 118, 80, 25);
    b->SetModalResult(result);
    return b;
}

} // namespace

TfmParams::TfmParams(TComponent* AOwner) : TForm(AOwner) {
    BeginLayout();
    SetCaption(ru("Параметры"));
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 351, 150);

    TGroupBox* navigation = group(this, "Навигация", 4, 56);
    CheckBox1 = new TCheckBox(this);
    CheckBox1->SetName("CheckBox1");
    CheckBox1->SetParent(navigation);
    CheckBox1->SetCaption(ru("Инвертировать функцию колеса прокрутки мыши"));
    CheckBox1->SetHint(CheckBox1->Caption());
    CheckBox1->SetShowHint(true);
    CheckBox1->SetBounds(10, 16, 320, 17);
    // The long caption fits the dialog's fixed width only in the dialog font of 8 points.
    TFont small = *CheckBox1->Font();
    small.SetSize(8);
    CheckBox1->SetFont(small);
    CheckBox1->SetChecked(true);
    lScrollVal = new TLabel(this);
    lScrollVal->SetName("lScrollVal");
    lScrollVal->SetParent(navigation);
    lScrollVal->SetBounds(28, 35, 300, 13);

    TGroupBox* view = group(this, "Вид", 62, 50);
    auto* colourLabel = new TLabel(this);
    colourLabel->SetParent(view);
    colourLabel->SetCaption(ru("Цвет фона:"));
    colourLabel->SetBounds(10, 22, 70, 13);
    Shape1 = new TShape(this);
    Shape1->SetName("Shape1");
    Shape1->SetParent(view);
    Shape1->SetBounds(84, 16, 25, 25);
    Shape1->Pen()->SetWidth(2);
    Shape1->SetHint(ru("Щелкнуть для изменения"));
    Shape1->SetShowHint(true);

    BitBtn1 = button(this, "OK", "Сохранить параметры", 176, mrOk);
    BitBtn1->SetDefault(true);
    BitBtn2 = button(this, "Отмена", "Отмена сохранения параметров", 263, mrCancel);
    BitBtn2->SetCancel(true);
    ColorDialog1 = new TColorDialog(this);
    ColorDialog1->SetName("ColorDialog1");
    CheckBox1->OnClick = [this](TPersistent*) { CheckBox1Click(); };
    Shape1->OnMouseDown = [this](auto&&...) { Shape1MouseDown(); };
    OnCreate = [this](TPersistent*) { FormCreate(); };
    EndLayout();
}

TfmParams::~TfmParams() {
    if (fmParams == this)
        fmParams = nullptr;
}

void TfmParams::FormCreate() {
    const app::ProgramSettings settings = app::readProgramSettings();
    CheckBox1->SetChecked(settings.wheelDownZoomsIn);
    Shape1->Brush()->SetColor(settings.backgroundColor);
    Shape1->Invalidate();
    if (fmValdrenGIS)
        fmValdrenGIS->DataMap1->SetBackgroundColor(settings.backgroundColor);
    // Checked fires OnClick only on a change; the label shows the state from the first showing.
    CheckBox1Click();
}

void TfmParams::CheckBox1Click() {
    lScrollVal->SetCaption(tk::fromUtf8(CheckBox1->Checked() ? "(вниз - увеличить масштаб; вверх - уменьшить масштаб)"
                                                             : "(вниз - уменьшить масштаб; вверх - увеличить масштаб)"));
}

void TfmParams::Shape1MouseDown() {
    ColorDialog1->CustomColors()->Clear();
    ColorDialog1->CustomColors()->Add("ColorA=" + IntToHex(Shape1->Brush()->Color(), 8));
    ColorDialog1->SetColor(Shape1->Brush()->Color());
    if (!ColorDialog1->Execute())
        return;
    Shape1->Brush()->SetColor(ColorDialog1->Color());
    Shape1->Invalidate();
}
