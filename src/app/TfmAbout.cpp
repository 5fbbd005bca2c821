// The about box's layout, on a doubly lowered panel, and its two links, which open with the
// desktop's mail program and browser.
#include "app/TfmAbout.h"

#include "toolkit/Shell.h"
#include "toolkit/TApplication.h"
#include "toolkit/TButton.h"
#include "toolkit/TLabel.h"
#include "toolkit/TPanel.h"
#include "toolkit/TSpeedButton.h"
#include "widgets/TExLabel.h"

namespace {

constexpr const char* kMailAddress = "info@valdreninfo.example";
constexpr const char* kWebSite = "www.valdreninfo.example";

AnsiString ru(std::string_view utf8) { return tk::fromUtf8(utf8); }

TLabel* text(TWinControl* parent, const char* caption, int left, int top, int width, int height) {
    auto* l = new TLabel(parent->Owner());
    l->SetParent(parent);
    l->SetAutoSize(false);
    l->SetCaption(ru(caption));
    l->SetBounds(left, top, width, height);
    return l;
}

// A centred two-line heading in Tahoma of the given pixel height.
void heading(TWinControl* parent, const char* caption, int top, int pixels, bool bold) {
    TLabel* l = text(parent, caption, 4, top, 326, 2 * pixels + 6);
    l->SetAlignment(taCenter);
    l->Font()->SetName("Tahoma");
    l->Font()->SetHeight(pixels);
    if (bold)
        l->Font()->SetStyle({fsBold});
}

// The link's font: blue, underlined or not.
void setLinkLook(TExLabel& label, bool underlined) {
    TFont font = *label.Font();
    font.SetColor(clBlue);
    font.SetStyle(underlined ? TFontStyles{fsUnderline} : TFontStyles{});
    label.SetFont(font);
}

TExLabel* link(TWinControl* parent, const char* caption, int top) {
    auto* l = new TExLabel(parent->Owner());
    l->SetParent(parent);
    l->SetCaption(ru(caption));
    l->SetShadowSize(0);
    // A layout's labels keep their stored size until their font or text changes again.
    l->SetBounds(132, top, 190, 14);
    setLinkLook(*l, /*underlined=*/false);
    return l;
}

void open(const AnsiString& target) {
    ShellExecute(Application->Handle(), "open", target.c_str(), nullptr, nullptr, 0);
}

} // namespace

TfmAbout::TfmAbout(TComponent* AOwner) : TForm(AOwner) {
    BeginLayout();
    SetCaption(ru("О программе..."));
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 350, 193);

    Panel1 = new TPanel(this);
    Panel1->SetName("Panel1");
    Panel1->SetParent(this);
    Panel1->SetBounds(8, 8, 334, 144);
    Panel1->SetBevelOuter(bvLowered);
    Panel1->SetBevelInner(bvLowered);
    heading(Panel1, "Городская Информационная Система\r\nВалдренИнфо 2.0.1.28", 6, 15, false);
    heading(Panel1, "Схема города и справочник предприятий\r\nвыпуск №2 (август 2003)", 44, 12, true);

    SpeedButton1 = new TSpeedButton(this);
    SpeedButton1->SetName("SpeedButton1");
    SpeedButton1->SetParent(Panel1);
    SpeedButton1->SetBounds(12, 78, 60, 60);
    SpeedButton1->SetFlat(true);
    SpeedButton1->Glyph()->LoadFromResourceName("ABOUTPICTURE");
    SpeedButton1->OnClick = [this](TPersistent*) { ExLabel2Click(); };

    text(Panel1, "Справочная служба города Валдрен", 84, 82, 240, 14);
    text(Panel1, "e-mail:", 84, 102, 44, 14);
    ExLabel1 = link(Panel1, kMailAddress, 101);
    ExLabel1->SetName("ExLabel1");
    ExLabel1->OnClick = [this](TPersistent*) { ExLabel1Click(); };
    text(Panel1, "web:", 84, 120, 44, 14);
    ExLabel2 = link(Panel1, kWebSite, 119);
    ExLabel2->SetName("ExLabel2");
    ExLabel2->OnClick = [this](TPersistent*) { ExLabel2Click(); };
    for (TExLabel* l : {ExLabel1, ExLabel2}) {
        l->OnMouseEnter = [this](TPersistent* Sender) { ExLabel1MouseEnter(Sender); };
        l->OnMouseLeave = [this](TPersistent* Sender) { ExLabel1MouseLeave(Sender); };
    }

    Button1 = new TButton(this);
    Button1->SetName("Button1");
    Button1->SetParent(this);
    Button1->SetCaption("OK");
    Button1->SetBounds(137, 160, 75, 25);
    Button1->SetDefault(true);
    Button1->SetModalResult(mrOk);
    EndLayout();
}

void TfmAbout::ExLabel1MouseEnter(TPersistent* Sender) {
    auto& label = static_cast<TExLabel&>(*Sender);
    label.SetCursor(crHandPoint);
    setLinkLook(label, /*underlined=*/true);
}

void TfmAbout::ExLabel1MouseLeave(TPersistent* Sender) {
    auto& label = static_cast<TExLabel&>(*Sender);
    label.SetCursor(crDefault);
    setLinkLook(label, /*underlined=*/false);
}

void TfmAbout::ExLabel1Click() { open("mailto:" + ExLabel1->Caption()); }

void TfmAbout::ExLabel2Click() { open(AnsiString("http://") + kWebSite); }
