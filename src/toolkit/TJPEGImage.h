// JPEG pictures (the splash picture): decoded through libjpeg into a bitmap when loaded, grey
// or colour. A damaged stream raises EJPEG "JPEG error #n" with the library's message code.
#pragma once

#include <memory>

#include "toolkit/TBitmap.h"
#include "toolkit/TGraphic.h"

class EJPEG : public EInvalidGraphic {
    using EInvalidGraphic::EInvalidGraphic;
};

class TJPEGImage : public TGraphic {
public:
    int Width() const override { return bitmap_.Width(); }
    int Height() const override { return bitmap_.Height(); }
    bool Empty() const override { return bitmap_.Empty(); }
    // Decodes the JPEG stream from the stream's position to its end (or the image's end marker).
    void LoadFromStream(TStream& stream) override;
    // True when the picture was stored with one grey channel.
    bool Grayscale() const { return grayscale_; }

    void Assign(const TPersistent& source) override;
    std::unique_ptr<TGraphic> Clone() const override;

protected:
    void Draw(TCanvas& canvas, const TRect& rect) const override;
    // A bitmap takes the decoded pixels.
    void AssignTo(TPersistent& destination) const override;

private:
    TBitmap bitmap_;
    bool grayscale_ = false;
};
