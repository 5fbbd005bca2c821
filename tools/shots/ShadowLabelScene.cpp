// The shadow label scene: a caption with its shadow in each of the four positions, and a disabled
// one embossed.
#include "Scene.h"
#include "ShowActive.h"
#include "toolkit/Screenshot.h"
#include "widgets/TExLabel.h"

SHOTS_SCENE(shadowlabel) {
    TForm form(nullptr);
    form.SetCaption(tk::fromUtf8("Тень надписи"));
    form.SetBounds(100, 100, 420, 200);
    struct Row {
        const char* caption;
        TShadowPosition position;
    };
    const Row rows[] = {{"spLeftTop", spLeftTop}, {"spLeftBottom", spLeftBottom},
                        {"spRightBottom", spRightBottom}, {"spRightTop", spRightTop}};
    int top = 10;
    for (const Row& row : rows) {
        auto* label = new TExLabel(&form);
        label->SetParent(&form);
        label->SetLeft(16);
        label->SetTop(top);
        TFont font;
        font.SetName("Tahoma");
        font.SetSize(16);
        font.SetStyle(TFontStyles{fsBold});
        font.SetColor(clNavy);
        label->SetFont(font);
        label->SetShadowColor(clGray);
        label->SetShadowSize(2);
        label->SetShadowPos(row.position);
        label->SetCaption(tk::fromUtf8("Валдрен ") + row.caption);
        top += 36;
    }
    auto* disabled = new TExLabel(&form);
    disabled->SetParent(&form);
    disabled->SetLeft(16);
    disabled->SetTop(top);
    disabled->SetShadowSize(0);
    disabled->SetCaption(tk::fromUtf8("Недоступная надпись"));
    disabled->SetEnabled(false);
    shots::showActive(form, form);
    return tk::saveScreenshot(form, pngPath);
}
