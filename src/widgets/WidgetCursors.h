// The widgets' two screen cursors, 14000 "EX_HANDCUR" and 14001 "EX_DRAGCUR".
#pragma once

#include "toolkit/Controls.h"

constexpr TCursor crExHand = 14000;
constexpr TCursor crExDrag = 14001;

// Puts both cursors into the screen's cursor table, the first time only. The grids call it when
// they are built: the screen's table exists only with the application here.
void RegisterWidgetCursors();
