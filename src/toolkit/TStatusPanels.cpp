// Status panels are made through the collection's item class.
#include "toolkit/TStatusPanels.h"

TStatusPanels::TStatusPanels(std::function<void()> changed)
    : TCollection(tk::itemClass<TStatusPanel>()), changed_(std::move(changed)) {}

void TStatusPanels::Update(TCollectionItem*) {
    if (changed_)
        changed_();
}
