// The mini-map window: a stay-on-top tool window holding the map's preview, which the main
// window's map names as its SmallView. Hidden until the user shows it; closing it only hides it.
// The keys pressed in it move and zoom the main map as they do there.
#pragma once

#include <cstdint>

#include "toolkit/TForm.h"

class TDataMap;
class TSmallPreView;

class TfmSmall : public TForm {
public:
    explicit TfmSmall(TComponent* AOwner);
    ~TfmSmall() override;

    // Puts the window 5 pixels in from the map's lower right corner, the map's bounds taken as
    // client coordinates of the map as the main window has always placed it.
    void PlaceAtMap(const TDataMap& Map);

    void FormClose();
    void FormKeyDown(std::uint16_t Key);

    TSmallPreView* SmallPreView1 = nullptr;

private:
    void FormCreate();
};

extern TfmSmall* fmSmall;
