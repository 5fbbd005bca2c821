// The splitter scene: the main window's firm list above the card panel, in the middle of a drag of
// the splitter between them, with the inverted line 40 pixels above it.
#include "Scene.h"
#include "ShowActive.h"
#include "toolkit/Screenshot.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TPanel.h"
#include "widgets/TExSplitter.h"

SHOTS_SCENE(splitter) {
    TForm form(nullptr);
    form.SetCaption(tk::fromUtf8("Разделитель"));
    form.SetBounds(100, 100, 289, 300);
    auto* card = new TPanel(&form);
    card->SetParent(&form);
    card->SetAlign(alBottom);
    card->SetHeight(110);
    card->SetBevelOuter(bvLowered);
    card->SetColor(clWhite);
    card->SetCaption(tk::fromUtf8("Карточка фирмы"));
    auto* splitter = new TExSplitter(&form);
    splitter->SetParent(&form);
    splitter->SetAlign(alBottom);
    auto* list = new TPanel(&form);
    list->SetParent(&form);
    list->SetAlign(alClient);
    list->SetCaption(tk::fromUtf8("Список фирм"));
    shots::showActive(form, form);
    tk::input::press(*splitter, mbLeft, 100, 1);
    tk::input::move(*splitter, 100, -20);
    tk::input::move(*splitter, 100, -39);
    Application->ProcessMessages();
    Application->ProcessMessages();
    const bool written = tk::saveScreenshot(form, pngPath);
    tk::input::release(*splitter, mbLeft, 100, -39);
    Application->ProcessMessages();
    return written;
}
