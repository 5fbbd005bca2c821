// The card scene: a firm card as the program writes it (rubric links, web and e-mail links,
// addresses and telephones) in a rich edit on the white card panel.
#include <string>

#include "Scene.h"
#include "support/CardRtf.h"
#include "toolkit/Screenshot.h"
#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"
#include "toolkit/TMemoryStream.h"
#include "toolkit/TPanel.h"
#include "toolkit/TRichEdit.h"

SHOTS_SCENE(card) {
    TForm form(nullptr);
    form.SetCaption(tk::fromUtf8("Карточка"));
    form.SetBounds(100, 100, 340, 170);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetAlign(alClient);
    panel->SetBevelOuter(bvLowered);
    panel->SetColor(clWhite);
    auto* card = new TRichEdit(&form);
    card->SetParent(panel);
    card->SetAlign(alClient);
    card->SetReadOnly(true);
    card->SetScrollBars(ssVertical);
    card->SetBorderStyle(bsNone);
    card->SetHideSelection(true);
    card->SetWordWrap(true);
    card->SetTabStop(false);
    card->OnSelectionChange = [card](TPersistent*) { card->SetSelLength(0); };
    TMemoryStream stream;
    const std::string text = testsupport::sampleCard();
    stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
    stream.SetPosition(0);
    card->Lines()->LoadFromStream(stream);
    form.Show();
    Application->ProcessMessages();
    return tk::saveScreenshot(form, pngPath);
}
