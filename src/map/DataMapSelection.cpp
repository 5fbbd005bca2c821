// The map control's selection list: the objects picked with the pick tool or caught by a region,
// each once, in the order they were added.
#include "map/TDataMap.h"

#include <algorithm>

void TDataMap::AddSelected(int Index) {
    if (std::find(selectedObjects_.begin(), selectedObjects_.end(), Index) ==
        selectedObjects_.end())
        selectedObjects_.push_back(Index);
}

void TDataMap::ToggleSelected(int Index) {
    const auto it = std::find(selectedObjects_.begin(), selectedObjects_.end(), Index);
    if (it == selectedObjects_.end())
        selectedObjects_.push_back(Index);
    else
        selectedObjects_.erase(it);
}

void TDataMap::RemoveSelected(int Index) { std::erase(selectedObjects_, Index); }

void TDataMap::SelectInRegion(std::span<const mapi::WorldPoint> Points) {
    selectedObjects_.clear();
    for (int i : model_.ObjectsInRegion(Points))
        AddSelected(i);
}

void TDataMap::UpdateRegion() {
    SelectInRegion(regionPoints_);
    if (OnRegion)
        OnRegion(this, selectedObjects_);
}

void TDataMap::DoAfterRegion() {
    if (!OnAfterRegion)
        return;
    SelectInRegion(regionPoints_);
    OnAfterRegion(this, selectedObjects_);
}
