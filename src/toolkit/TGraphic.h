// The base of the pictures a canvas can draw (bitmaps, JPEG images): a size, loading from a
// stream, transparency, and drawing into a rectangle of a canvas.
#pragma once

#include <memory>

#include "toolkit/Exception.h"
#include "toolkit/TPersistent.h"
#include "toolkit/TRect.h"
#include "toolkit/TStream.h"

class TCanvas;

// A picture stream that cannot be read: the message names the fault and where it is.
class EInvalidGraphic : public Exception {
    using Exception::Exception;
};

class TGraphic : public TPersistent {
public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const = 0;
    // Replaces the picture with the one read from the stream's position; raises EInvalidGraphic
    // (or the kind's own error) on damaged input and keeps the old picture then.
    virtual void LoadFromStream(TStream& stream) = 0;

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value) { transparent_ = value; }

    // A new graphic of the same kind holding a copy of this one.
    virtual std::unique_ptr<TGraphic> Clone() const = 0;

protected:
    friend class TCanvas;
    // Draws the picture stretched into rect, through the canvas's copy mode.
    virtual void Draw(TCanvas& canvas, const TRect& rect) const = 0;

    bool transparent_ = false;
};
