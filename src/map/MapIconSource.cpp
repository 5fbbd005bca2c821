// The map's icon sets and the missing-icon picture.
#include "map/MapIconSource.h"

#include "toolkit/Exception.h"
#include "toolkit/TCanvas.h"
#include "toolkit/TResourceStream.h"

namespace mapi {
namespace {

// 32 x 32, red, a white and a black frame, "Error!" in yellow.
std::unique_ptr<TBitmap> missingIconPicture() {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(32, 32);
    TCanvas& canvas = *bitmap->Canvas();
    canvas.Brush()->SetColor(clRed);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.FillRect(Rect(0, 0, 32, 32));
    canvas.Brush()->SetColor(clWhite);
    canvas.FrameRect(Rect(0, 0, 32, 32));
    canvas.Brush()->SetColor(clBlack);
    canvas.FrameRect(Rect(1, 1, 31, 31));
    canvas.Brush()->SetStyle(bsClear);
    canvas.Font()->SetName("Arial");
    canvas.Font()->SetSize(8);
    canvas.Font()->SetColor(clYellow);
    canvas.TextOut(3, 4, "Error!");
    return bitmap;
}

void loadBuiltInLibrary(TKexIconList& library) {
    if (FindResource("ICONLIB", "ICON").empty())
        return;
    try {
        TResourceStream stream("ICON", "ICONLIB");
        library.LoadFromStream(stream);
    } catch (const EReadError&) {
        // A damaged library keeps the icons read before the damage.
    }
}

} // namespace

MapIconSource::MapIconSource()
    : internal_(std::make_unique<TKexIcon>(nullptr)), missing_(missingIconPicture()) {
    loadBuiltInLibrary(internal_->AddLib("Default"));
}

MapIconSource::~MapIconSource() {
    if (external_)
        external_->RemoveClient(this);
}

void MapIconSource::SetKexMapIcon(TKexIcon* value) {
    if (external_)
        external_->RemoveClient(this);
    external_ = value;
    if (external_)
        external_->AddClient(this);
}

const TBitmap& MapIconSource::GetMapIcon(std::string_view libName, std::string_view picName) {
    const TBitmap* icon = Current().GetBitmap(libName, picName);
    return icon ? *icon : *missing_;
}

// Maps redraw on their own schedule; a changed set shows at the next rebuild.
void MapIconSource::IconSetChanged(TKexIcon&) {}

void MapIconSource::IconSetFreed(TKexIcon& set) {
    if (&set == external_)
        external_ = nullptr;
}

} // namespace mapi
