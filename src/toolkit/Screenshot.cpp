// The window's widgets paint themselves into a picture, and so do the windows over it and an open
// menu; nothing is read back from the screen.
#include "toolkit/Screenshot.h"

#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include "toolkit/FilePath.h"
#include "toolkit/TControl_p.h"

namespace tk {

bool saveScreenshot(const TControl& window, const AnsiString& fileName) { return saveScreenshot(window, {}, fileName); }

bool saveScreenshot(const TControl& window, std::span<const TControl* const> above, const AnsiString& fileName) {
    QWidget* base = window.peer().widget()->window();
    QPixmap picture = base->grab();
    if (picture.isNull())
        return false;
    QPainter painter(&picture);
    const auto drawOver = [&](QWidget* top) {
        const QPoint offset = top->mapToGlobal(QPoint(0, 0)) - base->mapToGlobal(QPoint(0, 0));
        painter.save();
        if (!top->mask().isEmpty())
            painter.setClipRegion(top->mask().translated(offset));
        painter.drawPixmap(offset, top->grab());
        painter.restore();
    };
    for (const TControl* control : above) {
        QWidget* top = control->peer().widget()->window();
        if (top->isVisible())
            drawOver(top);
    }
    // An open menu stands over every window.
    for (QWidget* top : QApplication::topLevelWidgets())
        if (qobject_cast<QMenu*>(top) != nullptr && top->isVisible())
            drawOver(top);
    painter.end();
    return picture.save(QString::fromStdString(nativePath(fileName)), "PNG");
}

} // namespace tk
