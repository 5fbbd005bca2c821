// Texts of the engine's result codes, generated from the one list in ResultCode.h.
#include "engine/ResultCode.h"

namespace ce {

const char* resultText(uint32_t code) {
    switch (code) {
#define CE_RESULT_CASE(name, value, text) \
    case value:                            \
        return text;
        CE_RESULT_CODES(CE_RESULT_CASE)
#undef CE_RESULT_CASE
    }
    return nullptr;
}

} // namespace ce
