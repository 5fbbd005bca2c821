// Scroll bars copied from kept pictures look exactly as the style draws them, in every state and
// after the state they were kept in has changed.
#include "toolkit/ScrollBarPictures_p.h"

#include <memory>

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QScrollBar>
#include <QStyleFactory>

#include <gtest/gtest.h>

namespace {

QImage shot(QScrollBar& bar) {
    QImage image(bar.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    bar.render(&image);
    return image;
}

struct BarState {
    Qt::Orientation orientation;
    QSize size;
    int maximum;
    int value;
    bool enabled;
    bool pressed;
};

TEST(ScrollBarPicturesTest, EveryStateLooksAsTheStyleDrawsItAndAChangeIsNeverShownStale) {
    auto* pictures = new tk::ScrollBarPictures;
    std::unique_ptr<QStyle> plain(QStyleFactory::create(pictures->baseStyle()->name()));
    std::unique_ptr<QStyle> owner(pictures);
    ASSERT_NE(plain, nullptr);
    QScrollBar kept(Qt::Vertical);
    QScrollBar drawn(Qt::Vertical);
    kept.setStyle(pictures);
    drawn.setStyle(plain.get());
    const BarState states[] = {
        {Qt::Vertical, {14, 598}, 48, 0, true, false},    {Qt::Vertical, {14, 598}, 48, 20, true, false},
        {Qt::Vertical, {14, 598}, 48, 48, true, false},   {Qt::Vertical, {14, 598}, 48, 20, true, false},
        {Qt::Vertical, {14, 598}, 48, 20, false, false},  {Qt::Vertical, {14, 598}, 48, 20, true, true},
        {Qt::Vertical, {14, 148}, 3000, 1500, true, false}, {Qt::Horizontal, {300, 14}, 10, 5, true, false},
        {Qt::Vertical, {14, 598}, 0, 0, true, false},
    };
    for (const BarState& s : states) {
        for (QScrollBar* bar : {&kept, &drawn}) {
            bar->setOrientation(s.orientation);
            bar->resize(s.size);
            bar->setRange(0, s.maximum);
            bar->setValue(s.value);
            bar->setEnabled(s.enabled);
            bar->setSliderDown(s.pressed);
        }
        EXPECT_EQ(shot(kept), shot(drawn)) << s.size.width() << "x" << s.size.height() << " value " << s.value;
    }
    // A palette of another colour is another look.
    QPalette red = kept.palette();
    red.setColor(QPalette::Button, Qt::red);
    red.setColor(QPalette::Window, Qt::red);
    kept.setPalette(red);
    drawn.setPalette(red);
    EXPECT_EQ(shot(kept), shot(drawn));
}

} // namespace
