// The drag scene: a firm's panel dragged onto the "Избранное" panel, caught while it is over it
// (the target lit up, the refusing "Архив" left alone), beside a tool panel docked on its site and
// a second one floating in its own tool window over the form.
#include <memory>

#include "Scene.h"
#include "SceneLabel.h"
#include "ShowActive.h"
#include "toolkit/Screenshot.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TForm.h"
#include "toolkit/TLabel.h"
#include "toolkit/TPanel.h"

namespace {

using shots::label;
using tk::fromUtf8;

TPanel* panel(TWinControl* parent, int left, int top, int width, int height, const char* caption) {
    auto* p = new TPanel(parent);
    p->SetParent(parent);
    p->SetBounds(left, top, width, height);
    p->SetCaption(fromUtf8(caption));
    return p;
}

} // namespace

SHOTS_SCENE(drag) {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetCaption(fromUtf8("Перетаскивание"));
    form->SetBounds(80, 60, 520, 330);
    TForm& f = *form;

    label(f, 12, 8, "Перетащите фирму в избранное");
    TPanel* firm = panel(&f, 12, 30, 150, 60, "Фирма «Альфа»");
    firm->SetColor(clWindow);
    firm->SetDragMode(dmAutomatic);
    firm->SetDragCursor(crHandPoint);
    firm->OnStartDrag = [firm](TPersistent*, TDragObject*) { firm->SetCaption(fromUtf8("Перетаскивается…")); };
    TPanel* favourites = panel(&f, 200, 30, 140, 110, "Избранное");
    TPanel* archive = panel(&f, 360, 30, 140, 110, "Архив (не принимает)");
    favourites->OnDragOver = [favourites](TPersistent*, TPersistent*, int, int, TDragState state, bool& accept) {
        accept = true;
        const bool over = state != dsDragLeave;
        favourites->SetColor(over ? TColor{0x00B0F0B0} : clBtnFace);
        favourites->SetCaption(fromUtf8(over ? "Отпустите здесь" : "Избранное"));
    };
    archive->OnDragOver = [](TPersistent*, TPersistent*, int, int, TDragState, bool& accept) { accept = false; };

    label(f, 12, 160, "Панель инструментов (место стыковки)");
    TPanel* site = panel(&f, 12, 182, 250, 100, "");
    site->SetBevelOuter(bvLowered);
    site->SetDockSite(true);
    TPanel* docked = panel(site, 8, 8, 110, 36, "Масштаб");
    docked->SetDragKind(dkDock);
    docked->SetDragMode(dmAutomatic);
    label(f, 300, 160, "Плавающая панель в своём окне");
    TPanel* floating = panel(&f, 130, 8, 110, 36, "Поиск");
    floating->SetName("Search");
    floating->SetDragKind(dkDock);
    floating->SetDragMode(dmAutomatic);

    shots::showActive(f, f);
    floating->ManualFloat(Rect(f.Left() + 300, f.Top() + 182, f.Left() + 420, f.Top() + 222));
    static_cast<TForm*>(floating->Parent())->SetCaption(fromUtf8("Поиск"));
    Application->ProcessMessages();

    const TPoint over = firm->ScreenToClient(favourites->ClientToScreen(Point(70, 55)));
    tk::input::press(*firm, mbLeft, 30, 30);
    tk::input::move(*firm, over.X - 20, over.Y);
    tk::input::move(*firm, over.X, over.Y);
    Application->ProcessMessages();
    Application->ProcessMessages();
    const TControl* above[] = {floating->Parent()};
    const bool written = tk::saveScreenshot(f, above, pngPath);
    tk::input::key(f, VK_ESCAPE);
    tk::input::release(*firm, mbLeft, over.X, over.Y);
    Application->ProcessMessages();
    return written;
}
