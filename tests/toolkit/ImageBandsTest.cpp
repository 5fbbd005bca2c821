// Pictures copied in bands of rows come out exactly as one copy of the whole picture.
#include "toolkit/ImageBands_p.h"

#include <QImage>
#include <QPainter>
#include <QRegion>

#include <gtest/gtest.h>

namespace {

// A picture whose every pixel differs from its neighbours, half transparent where asked.
QImage pattern(int width, int height, QImage::Format format) {
    QImage image(width, height, format);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgba((x * 37 + y) & 0xFF, (y * 11) & 0xFF, (x + y * 5) & 0xFF, format == QImage::Format_RGB32 ? 255 : (x + y) & 0xFF));
    return image.convertToFormat(format);
}

struct Copy {
    QImage::Format format;
    QRect source;
    QPoint at;
};

TEST(ImageBandsTest, BandsLookLikeOneCopyWhateverTheHeightTheSourcePartAndTheClip) {
    const Copy copies[] = {
        {QImage::Format_RGB32, {0, 0, 40, 1}, {3, 4}},
        {QImage::Format_RGB32, {0, 0, 40, 64}, {0, 0}},
        {QImage::Format_RGB32, {0, 0, 40, 65}, {0, 0}},
        {QImage::Format_RGB32, {5, 7, 30, 290}, {10, 2}},
        {QImage::Format_ARGB32_Premultiplied, {0, 0, 40, 300}, {1, 1}},
        {QImage::Format_ARGB32_Premultiplied, {2, 100, 20, 129}, {-5, 40}},
    };
    const QImage picture = pattern(40, 300, QImage::Format_ARGB32);
    for (const Copy& copy : copies) {
        const QImage image = picture.convertToFormat(copy.format);
        QImage whole = pattern(60, 320, QImage::Format_RGB32);
        QImage banded = whole;
        const QRegion clip = QRegion(0, 0, 60, 150) + QRegion(20, 200, 30, 100);
        {
            QPainter painter(&whole);
            painter.setClipRegion(clip);
            painter.drawImage(copy.at, image, copy.source);
        }
        {
            QPainter painter(&banded);
            painter.setClipRegion(clip);
            tk::drawImageInBands(painter, copy.at, image, copy.source);
        }
        EXPECT_EQ(banded, whole) << copy.source.height() << " rows from " << copy.source.top();
    }
}

} // namespace
