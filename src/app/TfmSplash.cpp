// The splash window's layout and its picture, drawn from the JPEG among the executable's
// resources onto the image, unscaled, so that its right and bottom edges are cut off.
#include "app/TfmSplash.h"

#include "toolkit/TBevel.h"
#include "toolkit/TButton.h"
#include "toolkit/TImage.h"
#include "toolkit/TJPEGImage.h"
#include "toolkit/TLabel.h"
#include "toolkit/TPanel.h"
#include "toolkit/TProgressBar.h"
#include "toolkit/TResourceStream.h"
#include "widgets/TExLabel.h"

TfmSplash* fmSplash = nullptr;

namespace {

AnsiString ru(std::string_view utf8) { return tk::fromUtf8(utf8); }

TLabel* label(TComponent* owner, TWinControl* parent, const char* name, const char* caption) {
    auto* l = new TLabel(owner);
    l->SetName(name);
    l->SetParent(parent);
    l->SetCaption(ru(caption));
    return l;
}

TExLabel* contact(TComponent* owner, TWinControl* parent, const char* caption, int left) {
    auto* l = new TExLabel(owner);
    l->SetParent(parent);
    l->SetCaption(ru(caption));
    l->SetShadowSize(0);
    l->SetBounds(left, 9, 160, 13);
    return l;
}

} // namespace

TfmSplash::TfmSplash(TComponent* AOwner) : TForm(AOwner) {
    BeginLayout();
    SetCaption("fmSplash");
    SetBorderStyle(bsNone);
    SetFormStyle(fsStayOnTop);
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 430, 267);
    SetKeyPreview(true);

    Label3 = label(this, this, "Label3", "Городская Информационная Система ВалдренИнфо");
    Label3->SetAutoSize(false);
    Label3->SetAlignment(taCenter);
    Label3->SetBounds(0, 3, 430, 16);
    Label3->Font()->SetName("Tahoma");
    Label3->Font()->SetHeight(13);

    auto* bevel = new TBevel(this);
    bevel->SetParent(this);
    bevel->SetBounds(7, 20, 416, 215);
    bevel->SetStyle(bsLowered);
    auto* innerBevel = new TBevel(this);
    innerBevel->SetParent(this);
    innerBevel->SetBounds(8, 21, 414, 213);
    innerBevel->SetStyle(bsLowered);
    Label1 = label(this, this, "Label1", "Валдрен Инфо \n\n(Рекламная площадь)");
    Label1->SetAutoSize(false);
    Label1->SetAlignment(taCenter);
    Label1->SetLayout(tlCenter);
    Label1->SetBounds(10, 22, 410, 211);
    Image1 = new TImage(this);
    Image1->SetName("Image1");
    Image1->SetParent(this);
    Image1->SetBounds(10, 22, 410, 211);

    Label4 = label(this, this, "Label4", "Загрузка...");
    Label4->SetBounds(10, 238, 100, 13);
    ProgressBar1 = new TProgressBar(this);
    ProgressBar1->SetName("ProgressBar1");
    ProgressBar1->SetParent(this);
    ProgressBar1->SetBounds(10, 254, 321, 9);
    ProgressBar1->SetSmooth(true);
    ProgressBar1->SetMin(0);
    ProgressBar1->SetMax(100);
    ProgressBar1->SetStep(20);

    Button1 = new TButton(this);
    Button1->SetName("Button1");
    Button1->SetParent(this);
    Button1->SetCaption(ru("Далее >>"));
    Button1->SetBounds(345, 239, 75, 25);
    Button1->SetDefault(true);
    Button1->SetModalResult(mrOk);
    Button1->SetVisible(false);
    Panel4 = new TPanel(this);
    Panel4->SetName("Panel4");
    Panel4->SetParent(this);
    Panel4->SetBevelOuter(bvNone);
    Panel4->SetBounds(7, 236, 332, 31);
    Panel4->SetVisible(false);
    ExLabel1 = contact(this, Panel4, "Справочная: (0000) 55-12-34", 3);
    ExLabel2 = contact(this, Panel4, "www.valdreninfo.example", 180);

    for (TControl* c : std::initializer_list<TControl*>{Button1, Panel4, Label3})
        c->OnClick = [this](TPersistent*) { Button1Click(); };
    OnCreate = [this](TPersistent*) { FormCreate(); };
    EndLayout();
}

TfmSplash::~TfmSplash() {
    if (fmSplash == this)
        fmSplash = nullptr;
}

void TfmSplash::CreateWnd() {
    TForm::CreateWnd();
    SetControlStyle(ControlStyle() | csOpaque);
}

void TfmSplash::FormCreate() { LoadPicture(); }

void TfmSplash::LoadPicture() {
    TResourceStream stream(111, RT_RCDATA);
    TJPEGImage jpeg;
    jpeg.LoadFromStream(stream);
    Image1->Canvas()->Draw(0, 0, jpeg);
}

void TfmSplash::Button1Click() { Close(); }
