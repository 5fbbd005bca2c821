// Records and maps that several map suites build: one of each kind, a fixed metrics and view
// context, and a stream written by the map-stream writer.
#pragma once

#include <string>
#include <vector>

#include "map/MapModel.h"
#include "map/TextMetrics.h"
#include "map/ViewContext.h"
#include "mapstream/MapStreamWriter.h"
#include "toolkit/TMemoryStream.h"

namespace mapsamples {

TKEXMapObjectMem pointObject(uint8_t kind, std::vector<mapi::WorldPoint> points,
                             int32_t category = 9);
TKEXMapObjectMem textObject(mapi::WorldPoint anchor, int32_t angle, const char* text);
TKEXMapObjectMem noteObject(mapi::WorldPoint anchor, const char* lib, const char* pic,
                            const char* text);
TKEXMapObjectMem groupObject(std::vector<TKEXMapObjectMem> children);
TKEXMapObjectMem withAddress(TKEXMapObjectMem record, uint16_t streetId, const char* house);

// Every text is 10 units wide per character and as tall as its Size.
class FixedMetrics : public mapi::TextMetrics {
public:
    TSize TextExtent(const TKEXMapText& text) const override;
};

class FixedContext : public mapi::ViewContext {
public:
    bool editing = false;
    int scale = 100;
    TSize icon{32, 32};

    bool IsEditing() const override { return editing; }
    int Scale() const override { return scale; }
    TSize NoteIconSize(const TKEXMapZametka&) const override { return icon; }
};

// A document of the given version with the two streets "ЛЕНИНА" (1) and "САДОВАЯ" (2).
mapstream::MapDocument document(uint32_t version);

// One object of every kind, a group with a nested group, addresses and an extra block.
mapstream::MapDocument richDocument(uint32_t version);

TMemoryStream streamOf(const std::string& bytes);

// Loads the bytes into a fresh model.
void load(mapi::MapModel& model, const std::string& bytes);

} // namespace mapsamples
