// What an icon set asks of the views and maps that draw from it: to redraw after its libraries
// changed, and to let go of it when it is freed.
#pragma once

class TKexIcon;

namespace mapi {

class IconSetClient {
public:
    virtual void IconSetChanged(TKexIcon& set) = 0;
    // The set is being freed: the client must stop using it.
    virtual void IconSetFreed(TKexIcon& set) = 0;

protected:
    ~IconSetClient() = default;
};

} // namespace mapi
