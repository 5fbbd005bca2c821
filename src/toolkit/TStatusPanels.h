// The panels of a status bar, left to right; changes repaint the bar.
#pragma once

#include <functional>

#include "toolkit/TCollection.h"
#include "toolkit/TStatusPanel.h"

class TStatusPanels : public TCollection {
public:
    // changed runs after every change of a panel or of the list.
    explicit TStatusPanels(std::function<void()> changed);

    TStatusPanel* Items(int Index) const { return static_cast<TStatusPanel*>(TCollection::Items(Index)); }
    TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }

protected:
    void Update(TCollectionItem* Item) override;

private:
    std::function<void()> changed_;
};
