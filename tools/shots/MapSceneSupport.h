// What the map editing scenes share: the sample city on a map control, the first object of a
// kind picked into the edit buffer, and a picture of a dialog taken while it runs modally.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

class TDataMap;
class TForm;
class TWinControl;

namespace shots {

// A map of the sample city built beside the shots tool (data/city.map of the build), placed on
// Parent; null when the city is not there.
TDataMap* cityMap(TForm& owner, TWinControl& parent, int width, int height);

// Loads the first unlocked object of Kind (else the first of Kind) into the edit buffer and centres the view on it; its index, or
// -1 when the map has none.
int pickFirstOfKind(TDataMap& map, std::uint8_t kind);

// On a map of the sample city with the first object of Kind picked, runs Execute, which shows
// the map's Dialog modally, and writes the dialog's picture once it shows, then closes it; false
// when the city or such an object is missing or the picture could not be written.
bool shootMapDialog(std::uint8_t kind, const std::function<TForm&(TDataMap&)>& dialog,
                    const std::function<void(TDataMap&)>& execute, const std::string& pngPath);

} // namespace shots
