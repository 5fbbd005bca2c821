// Where the layers below the windows report an exception they must not let through (a failing
// filter event, a dataset's InternalHandleException): the application object installs its
// HandleException here. Until one is installed the message goes to the standard error stream.
#pragma once

#include <functional>

class TPersistent;

namespace tk {

// Called from inside a catch block; the handler may rethrow to inspect the exception.
using ExceptionHandler = std::function<void(TPersistent* Sender)>;

// Installs Handler (an empty one restores the default) and answers the one it replaces.
ExceptionHandler setExceptionHandler(ExceptionHandler Handler);
// Reports the exception being handled; call only inside a catch block.
void handleException(TPersistent* Sender);

} // namespace tk
