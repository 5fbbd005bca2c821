// A read-only stream over one of the resources bundled into the executable (pictures, the icon
// library, cursors). A resource is found by type and name, both without regard to case; a number
// serves as a name ("111" or "#111").
#pragma once

#include <string_view>

#include "toolkit/AnsiString.h"
#include "toolkit/Exception.h"
#include "toolkit/TMemoryStream.h"

// Resource types of the system.
inline constexpr const char* RT_RCDATA = "RCDATA";
inline constexpr const char* RT_BITMAP = "BITMAP";
inline constexpr const char* RT_CURSOR = "CURSOR";

// A resource that is not there.
class EResNotFound : public Exception {
    using Exception::Exception;
};

// The resource's locator for this platform, or "" when there is no such resource. Resources are
// bundled as files <TYPE>/<NAME>.<ext> under the resource root; the extension is not part of the name.
AnsiString FindResource(std::string_view ResType, std::string_view ResName);

class TResourceStream : public TMemoryStream {
public:
    // Raise EResNotFound "Resource <name> not found" (type given too) for a missing resource.
    TResourceStream(std::string_view ResName, std::string_view ResType);
    TResourceStream(int ResID, std::string_view ResType);

    // The bytes belong to the program: writing or resizing raises EStreamError.
    int64_t Write(const void* buffer, int64_t count) override;
    void SetSize(int64_t newSize) override;
};
