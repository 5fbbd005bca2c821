// The card scene: a firm card as the program writes it (rubric links, web and e-mail links,
// addresses and telephones) in the rich edit with links on the white card panel, just after a
// press on its rubric link, which the status line below reports.
#include <string>

#include "Scene.h"
#include "ShowActive.h"
#include "app/FirmCard.h"
#include "support/CardRtf.h"
#include "toolkit/Screenshot.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TLabel.h"
#include "toolkit/TPanel.h"
#include "widgets/TRichEditWithLinks.h"

SHOTS_SCENE(card) {
    TForm form(nullptr);
    form.SetCaption(tk::fromUtf8("Карточка"));
    form.SetBounds(100, 100, 340, 190);
    auto* status = new TLabel(&form);
    status->SetParent(&form);
    status->SetAlign(alBottom);
    status->SetCaption(tk::fromUtf8("Нажмите на ссылку"));
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetAlign(alClient);
    panel->SetBevelOuter(bvLowered);
    panel->SetColor(clWhite);
    auto* card = new TRichEditWithLinks(&form);
    card->SetParent(panel);
    card->SetAlign(alClient);
    app::setUpFirmCard(*card);
    card->OnHyperlinkClicked = [status](TPersistent*, std::int32_t cpMin, std::int32_t cpMax, const AnsiString& text) {
        status->SetCaption(tk::fromUtf8("Ссылка ") + std::to_string(cpMin) + ".." + std::to_string(cpMax) + ": " + text);
    };
    testsupport::loadCard(*card, testsupport::sampleCard());
    shots::showActive(form, *card);
    tk::input::click(*card, 12, 8);
    Application->ProcessMessages();
    return tk::saveScreenshot(form, pngPath);
}
