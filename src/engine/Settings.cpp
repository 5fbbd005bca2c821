// The process-wide settings instance.
#include "engine/Settings.h"

namespace ce {

Settings& settings() {
    static Settings instance;
    return instance;
}

} // namespace ce
