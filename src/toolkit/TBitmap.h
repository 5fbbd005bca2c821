// An off-screen picture of 32-bit pixels with a canvas to draw on; reads and writes BMP files
// and can be drawn with one colour left out (transparent).
#pragma once

#include <memory>

#include "toolkit/AnsiString.h"
#include "toolkit/TColor.h"
#include "toolkit/TGraphic.h"

namespace tk {
struct BitmapImpl;
}

// tmAuto takes the transparent colour from the bottom-left pixel; tmFixed keeps the one set.
enum TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
public:
    TBitmap();
    ~TBitmap() override;
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const override;
    int Height() const override;
    bool Empty() const override;
    // Keeps the top-left content; new pixels are white.
    void SetSize(int width, int height);
    void SetWidth(int value) { SetSize(value, Height()); }
    void SetHeight(int value) { SetSize(Width(), value); }

    TCanvas* Canvas();
    // True for a bitmap read from a 1-bit BMP file.
    bool Monochrome() const;

    // From another bitmap, or from any graphic that can render itself into one.
    void Assign(const TPersistent& source) override;
    void LoadFromStream(TStream& stream) override;
    // A 24-bit BMP file.
    void SaveToStream(TStream& stream) const;
    // The BMP file bundled as the program's bitmap resource of that name (or number); raises
    // EResNotFound when there is none.
    void LoadFromResourceName(const AnsiString& resName);
    void LoadFromResourceID(int resId);

    TColor TransparentColor() const;
    // clDefault goes back to tmAuto; any other colour makes the mode tmFixed.
    void SetTransparentColor(TColor value);
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode value);

    std::unique_ptr<TGraphic> Clone() const override;

    tk::BitmapImpl& Impl() { return *impl_; }
    const tk::BitmapImpl& Impl() const { return *impl_; }

protected:
    void Draw(TCanvas& canvas, const TRect& rect) const override;

private:
    std::unique_ptr<tk::BitmapImpl> impl_;
    TColor transparentColor_ = clDefault;
    TTransparentMode transparentMode_ = tmAuto;
};
