// The engine numbers of the components' table and server types.
#include "data/DbTypes.h"

namespace db {

uint16_t serverTypeMask(TDbServerTypes Types) {
    uint16_t mask = 0;
    if (Types & stCE_REMOTE)
        mask |= 2;
    if (Types & stCE_LOCAL)
        mask |= 1;
    if (Types & stCE_AIS)
        mask |= 4;
    return mask;
}

uint16_t engineTableType(TDbTableTypes Type) {
    switch (Type) {
    case ttDbCDX:
        return 2;
    case ttDbNTX:
        return 1;
    default:
        return 3;
    }
}

TDbTableTypes tableTypeOfEngine(uint16_t EngineType) {
    switch (EngineType) {
    case 2:
        return ttDbCDX;
    case 1:
        return ttDbNTX;
    default:
        return ttDbVDT;
    }
}

} // namespace db
