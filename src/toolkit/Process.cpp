// Halt leaves through _Exit, which skips the exit hooks, after flushing what was written.
#include "toolkit/Process.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace tk {
namespace {

void exitNow(int exitCode) {
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

HaltHandler& haltHandler() {
    static HaltHandler current = exitNow;
    return current;
}

} // namespace

void setHaltHandler(HaltHandler handler) { haltHandler() = handler ? std::move(handler) : exitNow; }

} // namespace tk

void Halt(int ExitCode) { tk::haltHandler()(ExitCode); }

void Sleep(unsigned Milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(Milliseconds)); }
