// Where a map takes its note icons from: its internal icon set with the built-in library
// "Default", or an external set given through KexMapIcon, with a missing-icon picture for notes
// whose library or icon is not there.
#pragma once

#include <memory>
#include <string_view>

#include "map/IconSetClient.h"
#include "map/TKexIcon.h"
#include "toolkit/TBitmap.h"

namespace mapi {

class MapIconSource : public IconSetClient {
public:
    // The internal set gets the library "Default" from the resource "ICONLIB"/"ICON"; a missing or
    // damaged resource leaves that library with the icons read before the damage.
    MapIconSource();
    ~MapIconSource();
    MapIconSource(const MapIconSource&) = delete;
    MapIconSource& operator=(const MapIconSource&) = delete;

    // The external set, or nullptr while the internal one is current.
    TKexIcon* KexMapIcon() const { return external_; }
    void SetKexMapIcon(TKexIcon* value);
    TKexIcon& Current() { return external_ ? *external_ : *internal_; }
    TKexIcon& Internal() { return *internal_; }

    // The current set's picture, or the missing-icon picture.
    const TBitmap& GetMapIcon(std::string_view libName, std::string_view picName);
    const TBitmap& MissingIcon() const { return *missing_; }

    void IconSetChanged(TKexIcon& set) override;
    void IconSetFreed(TKexIcon& set) override;

private:
    std::unique_ptr<TKexIcon> internal_;
    TKexIcon* external_ = nullptr;
    std::unique_ptr<TBitmap> missing_;
};

} // namespace mapi
