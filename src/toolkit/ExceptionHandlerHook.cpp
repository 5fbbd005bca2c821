// The installed exception handler and the default one.
#include "toolkit/ExceptionHandlerHook.h"

#include <exception>
#include <iostream>

#include "toolkit/AnsiString.h"

namespace tk {

namespace {

ExceptionHandler& installed() {
    static ExceptionHandler handler;
    return handler;
}

} // namespace

ExceptionHandler setExceptionHandler(ExceptionHandler Handler) {
    ExceptionHandler previous = std::move(installed());
    installed() = std::move(Handler);
    return previous;
}

void handleException(TPersistent* Sender) {
    if (installed()) {
        installed()(Sender);
        return;
    }
    try {
        throw;
    } catch (const std::exception& e) {
        std::cerr << toUtf8(e.what()) << '\n';
    } catch (...) {
        std::cerr << "Unknown exception\n";
    }
}

} // namespace tk
