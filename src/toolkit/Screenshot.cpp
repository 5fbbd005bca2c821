// The window's widgets paint themselves into a picture; nothing is read back from the screen.
#include "toolkit/Screenshot.h"

#include <QPixmap>
#include <QWidget>

#include "toolkit/FilePath.h"
#include "toolkit/TControl_p.h"

namespace tk {

bool saveScreenshot(const TControl& window, const AnsiString& fileName) {
    const QPixmap picture = window.peer().widget()->window()->grab();
    return !picture.isNull() && picture.save(QString::fromStdString(nativePath(fileName)), "PNG");
}

} // namespace tk
