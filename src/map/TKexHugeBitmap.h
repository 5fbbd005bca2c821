// The raster background layer: tiles of bitmaps on world rectangles that the maps naming it as
// their ScanMap paint under their vector objects. The last picture is cached and copied again
// while the view has not moved.
#pragma once

#include <vector>

#include "map/HugeBitmapTile.h"
#include "map/WorldRect.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TComponent.h"

class TDataMap;

class TKexHugeBitmap : public TComponent {
public:
    explicit TKexHugeBitmap(TComponent* AOwner);
    // Every client map's ScanMap becomes none.
    ~TKexHugeBitmap() override;

    // Paints the world window (X1, Y1)-(X2, Y2) at Zoom pixels per world unit onto Target. A
    // disabled layer leaves Target as it was.
    void Draw(TBitmap& Target, double Zoom, float X1, float Y1, float X2, float Y2);
    // The maps that use the layer, kept by their ScanMap setter: no duplicates, in order.
    void AddClient(TDataMap* Map);
    void RemoveClient(TDataMap* Map);
    const std::vector<TDataMap*>& Clients() const { return clients_; }
    void ClearTiles();
    int TileCount() const { return static_cast<int>(tiles_.size()); }

    bool Enabled() const { return enabled_; }
    // A change redraws every client map.
    void SetEnabled(bool Value);

protected:
    // No operation of the program adds tiles; a descendant that brings its own sheets fills them
    // here (drawn in order, a later tile over an earlier one).
    std::vector<mapi::HugeBitmapTile>& Tiles() { return tiles_; }

private:
    bool drawnEnabled_ = false; // Enabled at the last full drawing
    mapi::WorldRect drawnWindow_;
    std::vector<TDataMap*> clients_;
    bool enabled_ = false;
    bool dirty_ = true; // only until the first drawing
    std::vector<mapi::HugeBitmapTile> tiles_;
    TBitmap cache_;
};
