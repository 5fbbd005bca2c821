// The mini-map window's layout, placement, closing and key forwarding; showing and hiding it
// belong to the main window's mini-map action.
#include "app/TfmSmall.h"

#include "app/TfmValdrenGIS.h"
#include "map/TDataMap.h"
#include "map/TSmallPreView.h"
#include "toolkit/TMenuItem.h"
#include "toolkit/WinApi.h"

TfmSmall* fmSmall = nullptr;

TfmSmall::TfmSmall(TComponent* AOwner) : TForm(AOwner) {
    BeginLayout();
    SetCaption(tk::fromUtf8("Миникарта"));
    SetBorderStyle(bsSizeToolWin);
    SetFormStyle(fsStayOnTop);
    SetBounds(0, 0, 199, 158);
    SmallPreView1 = new TSmallPreView(this);
    SmallPreView1->SetName("SmallPreView1");
    SmallPreView1->SetParent(this);
    SmallPreView1->SetAlign(alClient);
    SetKeyPreview(true);
    OnCreate = [this](TPersistent*) { FormCreate(); };
    OnClose = [this](TPersistent*, TCloseAction&) { FormClose(); };
    OnKeyDown = [this](TPersistent*, std::uint16_t& Key, TShiftState) { FormKeyDown(Key); };
    EndLayout();
}

TfmSmall::~TfmSmall() {
    if (fmSmall == this)
        fmSmall = nullptr;
}

void TfmSmall::FormCreate() {
    if (!fmValdrenGIS)
        return;
    fmValdrenGIS->DataMap1->SetSmallView(SmallPreView1);
    PlaceAtMap(*fmValdrenGIS->DataMap1);
}

void TfmSmall::PlaceAtMap(const TDataMap& Map) {
    const TPoint corner = Map.ClientToScreen(Point(Map.Left() + Map.Width(), Map.Top() + Map.Height()));
    SetLeft(corner.X - Width() - 5);
    SetTop(corner.Y - Height() - 5);
}

void TfmSmall::FormClose() {
    if (fmValdrenGIS)
        fmValdrenGIS->N17->SetChecked(false);
}

void TfmSmall::FormKeyDown(std::uint16_t Key) {
    if (fmValdrenGIS)
        SendMessage(fmValdrenGIS->DataMap1->Handle(), WM_KEYDOWN, Key, 0);
}
