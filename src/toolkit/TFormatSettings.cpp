// The process-wide display conventions and the fixed machine conventions.
#include "toolkit/TFormatSettings.h"

TFormatSettings FormatSettings;

namespace tk {

const TFormatSettings& machineFormat() {
    static const TFormatSettings machine{'.', ',', '-', ':', "yyyy-MM-dd", "hh:mm:ss"};
    return machine;
}

} // namespace tk
