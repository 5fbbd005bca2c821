// The pixels behind a TBitmap, for the toolkit's drawing code only.
#pragma once

#include <QImage>

#include "toolkit/TBitmap.h"
#include "toolkit/TCanvas.h"

namespace tk {

struct BitmapImpl {
    // Format_RGB32; null while the bitmap is empty. The canvas draws on it.
    QImage image;
    // Read from a 1-bit BMP file; the pixels are 32-bit all the same.
    bool monochrome = false;
    TCanvas canvas;
};

inline QImage& bitmapImage(TBitmap& bitmap) { return bitmap.Impl().image; }
inline const QImage& bitmapImage(const TBitmap& bitmap) { return bitmap.Impl().image; }

// Replaces the bitmap's pixels (converted to Format_RGB32), for graphics that decode into one.
void setBitmapImage(TBitmap& bitmap, QImage image);

} // namespace tk
