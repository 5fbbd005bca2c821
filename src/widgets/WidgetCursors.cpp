// Registration of the widgets' cursors.
#include "widgets/WidgetCursors.h"

#include "toolkit/TScreen.h"

void RegisterWidgetCursors() {
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    Screen->SetCursors(crExHand, LoadCursor(HInstance, "EX_HANDCUR"));
    Screen->SetCursors(crExDrag, LoadCursor(HInstance, "EX_DRAGCUR"));
}
