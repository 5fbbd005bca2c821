// The process-wide settings instance.
#include "engine/Settings.h"

namespace ce {

Settings& settings() {
    // Never destroyed: callers\' own static objects may still call the engine at process end.
    static auto& instance = *new Settings;
    return instance;
}

} // namespace ce
