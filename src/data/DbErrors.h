// The four small exceptions of the database components, message only: the settings and the
// connection components raise them directly on a failed engine call, outside EngineCheck.
#pragma once

#include <cstdint>

#include "toolkit/Exception.h"

namespace dbset {

// The engine's text for Code; empty when the engine has none (it then shows its own box).
class DbError : public Exception {
public:
    explicit DbError(uint32_t Code);
};

} // namespace dbset

namespace dbcnnct {

// The engine's text of its last error; Flag changes nothing.
class DbError : public Exception {
public:
    DbError(uint32_t Code, bool Flag);
};

} // namespace dbcnnct

class DbSettingsError : public Exception {
    using Exception::Exception;
};

class DbConnectionError : public Exception {
    using Exception::Exception;
};
