// Where the dataset layer reaches the windows layer, which is built above it: the application's
// exception handler (a failing filter event, a dataset's InternalHandleException) and the login
// dialog of a database connection. The windows layer installs both; until then exceptions are
// written to the standard error stream and a login is cancelled.
#pragma once

#include <functional>

#include "toolkit/AnsiString.h"

class TPersistent;

namespace tk {

// Called from inside a catch block; the handler may rethrow to inspect the exception.
using ExceptionHandler = std::function<void(TPersistent* Sender)>;
// Answers false when the user cancels.
using LoginDialog = std::function<bool(const AnsiString& DatabaseName, AnsiString& UserName, AnsiString& Password,
                                       bool UserNameReadOnly)>;

// Each installs its argument (an empty one restores the default) and answers the one it replaces.
ExceptionHandler setExceptionHandler(ExceptionHandler Handler);
LoginDialog setLoginDialog(LoginDialog Dialog);

// Reports the exception being handled; call only inside a catch block.
void handleException(TPersistent* Sender);

} // namespace tk

// The class library's login dialog: user name and password for a database; false when cancelled.
bool LoginDialogEx(const AnsiString& DatabaseName, AnsiString& UserName, AnsiString& Password, bool UserNameReadOnly);
