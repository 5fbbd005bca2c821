// The raster layer's drawing: tiles under the window are cut to it (with a margin of one world
// unit) before they are stretched, so that a large sheet costs only its visible part.
//
// Cache: dirty (after construction) --Draw--> drawn for (Enabled, window)
//        drawn --Draw with the same Enabled and window--> drawn (the cache is only copied)
//        drawn --Draw with another Enabled or window--> drawn anew
#include "map/TKexHugeBitmap.h"

#include <algorithm>

#include "map/MapGeometry.h"
#include "map/Rounding.h"
#include "map/TDataMap.h"
#include "toolkit/TCanvas.h"

TKexHugeBitmap::TKexHugeBitmap(TComponent* AOwner) : TComponent(AOwner) {}

TKexHugeBitmap::~TKexHugeBitmap() {
    const std::vector<TDataMap*> clients = std::move(clients_);
    clients_.clear();
    for (TDataMap* map : clients) {
        if (map->ScanMap() == this)
            map->SetScanMap(nullptr);
    }
    ClearTiles();
}

void TKexHugeBitmap::AddClient(TDataMap* Map) {
    if (Map && std::find(clients_.begin(), clients_.end(), Map) == clients_.end())
        clients_.push_back(Map);
}

void TKexHugeBitmap::RemoveClient(TDataMap* Map) {
    const auto it = std::find(clients_.begin(), clients_.end(), Map);
    if (it != clients_.end())
        clients_.erase(it);
}

void TKexHugeBitmap::ClearTiles() { tiles_.clear(); }

void TKexHugeBitmap::SetEnabled(bool Value) {
    if (Value == enabled_)
        return;
    enabled_ = Value;
    // By position: a redraw's handlers may change the client list.
    for (std::size_t i = 0; i < clients_.size(); ++i) {
        TDataMap& map = *clients_[i];
        map.SetChanged();
        map.RefreshMap();
        map.Repaint();
    }
}

void TKexHugeBitmap::Draw(TBitmap& Target, double Zoom, float X1, float Y1, float X2, float Y2) {
    const mapi::WorldRect window{X1, Y1, X2, Y2};
    if (!dirty_ && enabled_ == drawnEnabled_ && window == drawnWindow_) {
        Target.Canvas()->Draw(0, 0, cache_);
        return;
    }
    dirty_ = false;
    drawnEnabled_ = enabled_;
    cache_.SetSize(Target.Width(), Target.Height());
    TCanvas& canvas = *cache_.Canvas();
    canvas.Brush()->Assign(*Target.Canvas()->Brush());
    canvas.FillRect(Rect(0, 0, cache_.Width(), cache_.Height()));
    if (!enabled_)
        return;
    for (const mapi::HugeBitmapTile& tile : tiles_) {
        const mapi::WorldPoint corner1{static_cast<float>(tile.X1), static_cast<float>(tile.Y1)};
        const mapi::WorldPoint corner2{static_cast<float>(tile.X2), static_cast<float>(tile.Y2)};
        if (!tile.Bitmap || !SegmentMayCross(window, corner1, corner2))
            continue;
        const int tx1 = tile.X1 < X1 ? mapi::roundToInt(X1) - 1 : tile.X1;
        const int ty1 = tile.Y1 < Y1 ? mapi::roundToInt(Y1) - 1 : tile.Y1;
        const int tx2 = tile.X2 > X2 ? mapi::roundToInt(X2) + 1 : tile.X2;
        const int ty2 = tile.Y2 > Y2 ? mapi::roundToInt(Y2) + 1 : tile.Y2;
        // Tile pixels of the cut rectangle, and where they land in the window.
        const auto sourceAt = [&](int t, int32_t origin, float scale) {
            return mapi::roundToInt((static_cast<double>(t) - origin) * scale);
        };
        const auto destAt = [&](int t, float windowOrigin) {
            return mapi::roundToInt((t - windowOrigin) * Zoom);
        };
        const TRect source =
            Rect(sourceAt(tx1, tile.X1, tile.ScaleX), sourceAt(ty1, tile.Y1, tile.ScaleY),
                 sourceAt(tx2, tile.X1, tile.ScaleX), sourceAt(ty2, tile.Y1, tile.ScaleY));
        const TRect dest = Rect(destAt(tx1, X1), destAt(ty1, Y1), destAt(tx2, X1), destAt(ty2, Y1));
        canvas.CopyRect(dest, *tile.Bitmap->Canvas(), source);
    }
    drawnWindow_ = window;
    Target.Canvas()->Draw(0, 0, cache_);
}
