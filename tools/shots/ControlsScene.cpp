// The controls scene: the toolkit's newer controls and drawing calls side by side, each in the
// states it can show (normal, focused, disabled, pressed), on one form.
#include <chrono>
#include <memory>
#include <thread>

#include "Scene.h"
#include "SceneLabel.h"
#include "toolkit/DrawEdge.h"
#include "toolkit/DrawText.h"
#include "toolkit/Screenshot.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TBitBtn.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TCustomControl.h"
#include "toolkit/TEdit.h"
#include "toolkit/TForm.h"
#include "toolkit/TImageList.h"
#include "toolkit/TLabel.h"
#include "toolkit/TMemo.h"
#include "toolkit/TPageControl.h"
#include "toolkit/TPanel.h"
#include "toolkit/TTabSheet.h"
#include "toolkit/TTrackBar.h"
#include "toolkit/TUpDown.h"

namespace {

using shots::label;
using tk::fromUtf8;

constexpr int kRowLabelWidth = 90;
constexpr int kColumnWidth = 150;
constexpr int kTop = 28;

int columnX(int column) { return kRowLabelWidth + column * kColumnWidth; }

template <class Control>
Control* place(TForm& form, int column, int y, int width, int height) {
    auto* control = new Control(&form);
    control->SetParent(&form);
    control->SetBounds(columnX(column), y, width, height);
    return control;
}

// A 16x16 glyph: a green disc with a dark ring on an olive ground that drawing leaves out.
void paintGlyph(TBitmap& glyph, TColor disc) {
    glyph.SetSize(16, 16);
    TCanvas& canvas = *glyph.Canvas();
    canvas.Brush()->SetColor(clOlive);
    canvas.FillRect(Rect(0, 0, 16, 16));
    canvas.Brush()->SetColor(disc);
    canvas.Pen()->SetColor(clNavy);
    canvas.Ellipse(2, 2, 14, 14);
}

// The drawing calls on one surface: wrapped and prefixed text, edges, scroll buttons, a focus
// frame and image-list pictures over a coloured ground.
class DrawingBox : public TCustomControl {
public:
    explicit DrawingBox(TComponent* owner) : TCustomControl(owner), images_(new TImageList(this)) {
        TBitmap strip;
        strip.SetSize(32, 16);
        TBitmap one;
        paintGlyph(one, clLime);
        strip.Canvas()->Draw(0, 0, one);
        paintGlyph(one, clRed);
        strip.Canvas()->Draw(16, 0, one);
        images_->SetWidth(16);
        images_->SetHeight(16);
        images_->AddMasked(&strip, clOlive);
    }

protected:
    void Paint() override {
        TCanvas& canvas = *Canvas();
        canvas.Font()->Assign(*Font());
        TRect text = Rect(4, 4, 124, 40);
        canvas.Brush()->SetColor(clWindow);
        canvas.FillRect(text);
        DrawEdge(canvas, text, EDGE_SUNKEN, BF_RECT);
        TRect inside = Rect(6, 6, 122, 38);
        canvas.Brush()->SetStyle(bsClear);
        DrawText(canvas, fromUtf8("Строительная компания"), inside, DT_CENTER | DT_WORDBREAK);
        TRect prefixed = Rect(130, 4, 250, 22);
        DrawText(canvas, fromUtf8("&Файл && правка"), prefixed, DT_LEFT | DT_SINGLELINE);
        canvas.Brush()->SetStyle(bsSolid);
        canvas.DrawFocusRect(Rect(128, 2, 252, 24));

        TRect raised = Rect(130, 26, 190, 40);
        DrawEdge(canvas, raised, EDGE_RAISED, BF_RECT);
        TRect bottom = Rect(196, 26, 250, 40);
        DrawEdge(canvas, bottom, BDR_SUNKENOUTER, BF_BOTTOMRIGHT);

        const unsigned states[] = {DFCS_SCROLLUP, DFCS_SCROLLDOWN, DFCS_SCROLLLEFT, DFCS_SCROLLRIGHT,
                                   DFCS_SCROLLDOWN | DFCS_FLAT, DFCS_SCROLLDOWN | DFCS_PUSHED,
                                   DFCS_SCROLLDOWN | DFCS_INACTIVE};
        int x = 4;
        for (const unsigned state : states) {
            TRect button = Rect(x, 46, x + 16, 62);
            DrawFrameControl(canvas, button, DFC_SCROLL, state);
            x += 20;
        }
        canvas.Brush()->SetColor(TColor{0x00F0CAA6});
        canvas.FillRect(Rect(150, 44, 250, 64));
        images_->Draw(&canvas, 154, 46, 0);
        images_->Draw(&canvas, 174, 46, 1);
        images_->SetBkColor(clYellow);
        images_->Draw(&canvas, 194, 46, 1);
        images_->SetBkColor(clNone);
    }

private:
    TImageList* images_;
};

} // namespace

SHOTS_SCENE(controls) {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetCaption(fromUtf8("Элементы управления"));
    form->SetBounds(80, 60, kRowLabelWidth + 4 * kColumnWidth + 10, 520);
    TForm& f = *form;

    const char* columns[] = {"Обычное", "В фокусе", "Недоступно", "Нажато"};
    for (int c = 0; c < 4; ++c) label(f, columnX(c), 6, columns[c]);

    int y = kTop;
    label(f, 8, y + 3, "Поле");
    auto* edit = place<TEdit>(f, 0, y, 135, 21);
    edit->SetCharCase(ecUpperCase);
    edit->SetText(fromUtf8("ул. Мира"));
    auto* disabledEdit = place<TEdit>(f, 2, y, 135, 21);
    disabledEdit->SetText(fromUtf8("недоступно"));
    disabledEdit->SetEnabled(false);

    y += 28;
    label(f, 8, y + 3, "Без рамки");
    auto* bare = place<TEdit>(f, 0, y, 135, 21);
    bare->SetBorderStyle(bsNone);
    bare->SetText(fromUtf8("поле без рамки"));

    y += 32;
    label(f, 8, y + 3, "Список");
    const auto ownerDrawn = [&](int column) {
        auto* box = place<TComboBox>(f, column, y, 135, 22);
        box->SetStyle(csOwnerDrawFixed);
        box->SetItemHeight(18);
        box->SetSorted(true);
        for (const char* item : {"Синий", "Красный", "Зелёный"}) box->Items()->Add(fromUtf8(item));
        box->SetItemIndex(1);
        box->OnDrawItem = [box](TWinControl*, int index, const TRect& rect, TOwnerDrawState) {
            TCanvas& canvas = *box->Canvas();
            if (index < 0) return;
            const TColor swatch = index == 0 ? clLime : index == 1 ? clRed : clBlue;
            const TColor text = canvas.Font()->Color();
            canvas.Brush()->SetColor(swatch);
            canvas.FillRect(Rect(rect.Left + 2, rect.Top + 3, rect.Left + 14, rect.Bottom - 3));
            canvas.Brush()->SetStyle(bsClear);
            canvas.Font()->SetColor(text);
            canvas.TextOut(rect.Left + 18, rect.Top + 1, box->Items()->Strings(index));
            canvas.Brush()->SetStyle(bsSolid);
        };
        return box;
    };
    ownerDrawn(0);
    TComboBox* focused = ownerDrawn(1);
    ownerDrawn(2)->SetEnabled(false);

    y += 32;
    label(f, 8, y + 3, "Текст");
    auto* memo = place<TMemo>(f, 0, y, 135, 54);
    memo->SetScrollBars(ssVertical);
    memo->Lines()->Add(fromUtf8("Первая строка"));
    memo->Lines()->Add(fromUtf8("Вторая строка, длинная и перенесённая"));
    auto* readOnly = place<TMemo>(f, 2, y, 135, 54);
    readOnly->SetText(fromUtf8("Только чтение"));
    readOnly->SetEnabled(false);

    y += 64;
    label(f, 8, y + 8, "Ползунок");
    place<TTrackBar>(f, 0, y, 135, 36)->SetPosition(3);
    auto* disabledTrack = place<TTrackBar>(f, 2, y, 135, 36);
    disabledTrack->SetPosition(7);
    disabledTrack->SetEnabled(false);

    y += 44;
    label(f, 8, y + 6, "Счётчик");
    place<TUpDown>(f, 0, y, 17, 25);
    auto* horizontal = place<TUpDown>(f, 0, y + 4, 34, 17);
    horizontal->SetOrientation(udHorizontal);
    horizontal->SetLeft(columnX(0) + 30);
    place<TUpDown>(f, 2, y, 17, 25)->SetEnabled(false);
    auto* pressedUpDown = place<TUpDown>(f, 3, y, 17, 25);

    y += 34;
    label(f, 8, y + 5, "Кнопка");
    TBitmap glyph;
    paintGlyph(glyph, clLime);
    const auto bitButton = [&](int column) {
        auto* button = place<TBitBtn>(f, column, y, 110, 26);
        button->SetCaption(fromUtf8("Найти"));
        button->SetGlyph(&glyph);
        return button;
    };
    bitButton(0);
    bitButton(2)->SetEnabled(false);

    y += 36;
    label(f, 8, y + 3, "Панель");
    auto* panel = place<TPanel>(f, 0, y, 135, 30);
    panel->SetBorderStyle(bsSingle);
    panel->SetCaption(fromUtf8("С рамкой"));
    auto* pages = place<TPageControl>(f, 1, y, 285, 70);
    for (const char* caption : {"Рубрики", "Скрытая", "Фирмы"}) {
        auto* sheet = new TTabSheet(&f);
        sheet->SetPageControl(pages);
        sheet->SetCaption(fromUtf8(caption));
    }
    pages->Pages(1)->SetTabVisible(false);
    auto* pageText = new TLabel(&f);
    pageText->SetParent(pages->Pages(2));
    pageText->SetLeft(8);
    pageText->SetTop(8);
    pageText->SetCaption(fromUtf8("Вкладка «Скрытая» без ярлыка"));
    pages->SetActivePageIndex(2);

    y += 80;
    label(f, 8, y + 3, "Рисование");
    place<DrawingBox>(f, 0, y, 260, 70);

    form->Show();
    // The window server activates the window in its own time, and only then can a control in
    // it show the focus: wait for that, a second at most.
    for (int pass = 0; pass < 50 && !focused->Focused(); ++pass) {
        Application->ProcessMessages();
        focused->SetFocus();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    Application->ProcessMessages();
    // One button can be held at a time: the up-down shows its pressed arrow.
    tk::input::press(*pressedUpDown, mbLeft, 8, 4);
    Application->ProcessMessages();
    Application->ProcessMessages();
    const bool written = tk::saveScreenshot(*form, pngPath);
    tk::input::release(*pressedUpDown, mbLeft, 8, 4);
    Application->ProcessMessages();
    return written;
}
