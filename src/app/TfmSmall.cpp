// The mini-map window's layout and placement; its show, hide and key forwarding belong to the
// main window's mini-map actions.
#include "app/TfmSmall.h"

#include "app/TfmValdrenGIS.h"
#include "map/TDataMap.h"
#include "map/TSmallPreView.h"

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
    OnCreate = [this](TPersistent*) { FormCreate(); };
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
