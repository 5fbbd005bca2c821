// The exception family of the system: one base class carrying a message (CP1251) and the few
// kinds the system tells apart.
#pragma once

#include <exception>

#include "toolkit/AnsiString.h"

class Exception : public std::exception {
public:
    explicit Exception(AnsiString message) : Message(std::move(message)) {}

    const char* what() const noexcept override { return Message.c_str(); }

    AnsiString Message;
};

class EDatabaseError : public Exception {
    using Exception::Exception;
};

class EOutOfMemory : public Exception {
    using Exception::Exception;
};

class EConvertError : public Exception {
    using Exception::Exception;
};

// Streams: a short read, a failed write, a file that cannot be opened or created.
class EStreamError : public Exception {
    using Exception::Exception;
};

class EReadError : public EStreamError {
    using EStreamError::EStreamError;
};

class EWriteError : public EStreamError {
    using EStreamError::EStreamError;
};

class EFOpenError : public EStreamError {
    using EStreamError::EStreamError;
};

class EFCreateError : public EStreamError {
    using EStreamError::EStreamError;
};
