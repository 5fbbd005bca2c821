// The process-wide settings instance.
#include "engine/Settings.h"

#include "engine/ProcessWide.h"

namespace ce {

Settings& settings() {
    return processWide<Settings>();
}

} // namespace ce
