// Cursors on the Qt side: what a control's cursor id shows.
#pragma once

#include <QCursor>
#include <QWidget>

#include "toolkit/Controls.h"
#include "toolkit/TScreen.h"

namespace tk {

// The Qt cursor for a cursor id: standard ids by shape, application ids as registered; an id
// without a cursor shows the arrow.
QCursor qCursor(TCursor id);
// The Qt cursor of a cursor handle (Screen->Cursors, LoadCursor); the arrow for an unknown one.
QCursor qCursorOfHandle(HCURSOR handle);
// The cursor chosen with SetCursor since the last call (0: none), taken once.
HCURSOR takeChosenCursor();
// The handle that shows as the Qt cursor (a standard id's or a loaded one's), or 0.
HCURSOR handleOfCursor(const QCursor& cursor);
// Gives the widget the cursor now; crDefault leaves the widget's parent's cursor showing.
void applyCursor(QWidget& widget, TCursor id);

} // namespace tk
