// The silent exception: it ends an operation without a message; exception handlers let it pass
// unreported. A dataset raises it when an error event answers daAbort.
#pragma once

#include "toolkit/Exception.h"

class EAbort : public Exception {
public:
    EAbort() : Exception("Operation aborted") {}
};
