// The installed hooks and their defaults.
#include "toolkit/DataSetUiHooks.h"

#include <exception>
#include <iostream>

namespace tk {

namespace {

ExceptionHandler& exceptionHandler() {
    static ExceptionHandler handler;
    return handler;
}

LoginDialog& loginDialog() {
    static LoginDialog dialog;
    return dialog;
}

} // namespace

ExceptionHandler setExceptionHandler(ExceptionHandler Handler) {
    ExceptionHandler previous = std::move(exceptionHandler());
    exceptionHandler() = std::move(Handler);
    return previous;
}

LoginDialog setLoginDialog(LoginDialog Dialog) {
    LoginDialog previous = std::move(loginDialog());
    loginDialog() = std::move(Dialog);
    return previous;
}

void handleException(TPersistent* Sender) {
    if (exceptionHandler()) {
        exceptionHandler()(Sender);
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

bool LoginDialogEx(const AnsiString& DatabaseName, AnsiString& UserName, AnsiString& Password, bool UserNameReadOnly) {
    return tk::loginDialog() && tk::loginDialog()(DatabaseName, UserName, Password, UserNameReadOnly);
}
