// Process-wide objects made on first use (shared bitmaps, glyph tables, hidden windows) register
// here how they are freed; shutDownApplication runs the steps, latest first, while the windowing
// system is still up, so that none of them outlives it or shows as a leak.
#pragma once

#include <functional>

namespace tk {

void addShutdownStep(std::function<void()> step);
// Runs and forgets every step, the latest registered first.
void runShutdownSteps();

} // namespace tk
