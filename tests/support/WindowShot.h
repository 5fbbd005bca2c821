// A picture of a window as it shows now, with every control on it and whatever is drawn over it,
// read pixel by pixel: UI tests compare windows and probe the pixels whose colour is certain.
#pragma once

#include <memory>

#include "toolkit/TColor.h"

class TControl;

namespace testsupport {

class WindowShot {
public:
    explicit WindowShot(const TControl& window);
    ~WindowShot();
    WindowShot(const WindowShot&) = delete;
    WindowShot& operator=(const WindowShot&) = delete;

    // The RGB colour at a point of the window's client area.
    TColor Pixel(int x, int y) const;
    bool operator==(const WindowShot& other) const;

private:
    struct Image;
    std::unique_ptr<Image> image_;
};

} // namespace testsupport
