// The window's widgets paint themselves into a picture; nothing is read back from the screen.
#include "toolkit/Screenshot.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include "toolkit/FilePath.h"
#include "toolkit/TControl_p.h"

namespace tk {

bool saveScreenshot(const TControl& window, const AnsiString& fileName) { return saveScreenshot(window, fileName, {}); }

bool saveScreenshot(const TControl& window, const AnsiString& fileName, std::initializer_list<const TControl*> Above) {
    QWidget* base = window.peer().widget()->window();
    QPixmap picture = base->grab();
    if (picture.isNull())
        return false;
    QPainter painter(&picture);
    for (const TControl* control : Above) {
        QWidget* top = control->peer().widget()->window();
        if (top->isVisible())
            painter.drawPixmap(top->mapToGlobal(QPoint(0, 0)) - base->mapToGlobal(QPoint(0, 0)), top->grab());
    }
    painter.end();
    return picture.save(QString::fromStdString(nativePath(fileName)), "PNG");
}

} // namespace tk
