// The line walker as the platform call.
#include "toolkit/LineDDA.h"

void LineDDA(int x1, int y1, int x2, int y2, const TLineDDAProc& proc) {
    if (!proc) return;
    tk::walkLineSteps(x1, y1, x2, y2, 0, tk::lineSteps(x1, y1, x2, y2), proc);
}
