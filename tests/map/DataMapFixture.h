// A map control for the map suites: a given pixel size, no guide lines, the world origin at the
// top-left pixel at Scale 100, and objects added straight to its model with the header count and
// the extent kept in step; with probes of its buffer, screen and rebuilds.
#pragma once

#include <initializer_list>
#include <memory>

#include "map/TDataMap.h"
#include "mapstream/MapStreamWriter.h"
#include "toolkit/TColor.h"

namespace mapfixture {

std::unique_ptr<TDataMap> makeMap(int width, int height);

// Loads the document's stream into the map.
void load(TDataMap& map, const mapstream::MapDocument& document);

// A filled square-cornered polygon whose pen and brush take the colour.
TKEXMapObjectMem rectangle(float x1, float y1, float x2, float y2, TColor fill);

// Appends the record, widens the extent and returns its index.
int addObject(TDataMap& map, TKEXMapObjectMem record);

// Posts the record as a new object through the map's edit buffer, under the id the map gives it.
void postNew(TDataMap& map, TKEXMapObjectMem record);

TColor bufferPixel(TDataMap& map, int x, int y);

struct Probe {
    int x, y;
    TColor color;
};

// Expects each probed pixel of the canvas in its colour, naming the pixels that differ.
void expectPixels(TCanvas& canvas, std::initializer_list<Probe> probes);

// How many pixels of the rectangle the screen shows otherwise than the back buffer holds them:
// the overlays drawn over the map.
int overlaidPixels(TDataMap& map, const TRect& r);

// Counts full rebuilds of the map: each paints the background, a restore from the cache does not.
std::shared_ptr<int> countRebuilds(TDataMap& map);

} // namespace mapfixture
