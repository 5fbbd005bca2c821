// Cursors on the Qt side: what a control's cursor id shows.
#pragma once

#include <QCursor>
#include <QWidget>

#include "toolkit/Controls.h"

namespace tk {

// The Qt cursor for a cursor id: standard ids by shape, application ids as registered; an id
// without a cursor shows the arrow.
QCursor qCursor(TCursor id);
// Gives the widget the cursor now; crDefault leaves the widget's parent's cursor showing.
void applyCursor(QWidget& widget, TCursor id);

} // namespace tk
