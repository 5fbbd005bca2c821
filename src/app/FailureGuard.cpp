// Exception texts are the system's code page; standard error gets them as UTF-8.
#include "app/FailureGuard.h"

#include <cstdio>
#include <exception>

#include "toolkit/AnsiString.h"
#include "toolkit/Process.h"

namespace app {

bool runGuarded(const std::function<void()>& Step) {
    try {
        Step();
        return true;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "ValInfo: start-up failed: %s\n", tk::toUtf8(e.what()).c_str());
    } catch (...) {
        std::fprintf(stderr, "ValInfo: start-up failed with an unknown exception\n");
    }
    Halt(1);
    return false;
}

} // namespace app
