// Conversions of older map stream pieces.
#include "map/MapConversions.h"

#include <cmath>
#include <string>

#include "map/MapStreamLayout.h"

namespace mapi {

TKEXMapObjectMem convertObjectOld(const TKEXMapObjectOld& old) {
    TKEXMapObjectMem record;
    record.Id = old.Id;
    record.Reserved1 = -1;
    record.Reserved2 = 0;
    record.Corners = old.Corners;
    record.Plane = old.Plane;
    record.Category = old.Category;
    record.Locked = old.Locked;
    record.Kind = old.Kind;
    record.Count = old.Count;
    record.Pen = old.Pen;
    record.Brush = old.Brush;
    const WorldPoint c0 = old.Corners[0];
    const WorldPoint c2 = old.Corners[2];
    if (old.Kind == kindText)
        record.Center = c0;
    else
        record.Center = {c0.x + std::abs(c0.x - c2.x) / 2, c0.y + std::abs(c0.y - c2.y) / 2};
    return record;
}

TKEXMapAddress convertAddressOld(const TKEXMapAddressOld& old) {
    TKEXMapAddress address;
    address.StreetId = old.StreetId;
    address.House.assign(old.House.str());
    return address;
}

TKEXMapZametka convertNoteOld(const TKEXMapZametkaOld& old) {
    TKEXMapZametka note;
    note.Anchor = old.Anchor;
    note.LibName.assign("DEFAULT");
    note.PicName.assign(std::to_string(old.IconNumber));
    note.Reserved = kNoteSize; // the size of the note it became
    note.Text = old.Text;
    return note;
}

int32_t convertTextAngle(int32_t degrees) {
    // Wraps like the 32-bit multiply it replaces instead of overflowing on damaged angles.
    return static_cast<int32_t>(static_cast<uint32_t>(degrees) * 10u);
}

void widenTwoPointEllipse(TKEXMapObjectMem& record) {
    const auto points = record.Points();
    if (record.Kind != kindEllipse || record.Count != 2 || points.size() != 2)
        return;
    const WorldPoint a = points[0];
    const WorldPoint b = points[1];
    record.SetPoints({a, WorldPoint{b.x, a.y}, b, WorldPoint{a.x, b.y}});
}

} // namespace mapi
