// The small types the database components share: table and server types, the option values of
// the table options block, and the engine numbers each stands for.
#pragma once

#include <cstdint>

enum TDbTableTypes { ttDbCDX, ttDbNTX, ttDbVDT, ttDbDefault };

// A set of server kinds is a bit set of these.
enum TDbServerType : unsigned { stCE_REMOTE = 1u << 0, stCE_LOCAL = 1u << 1, stCE_AIS = 1u << 2 };
using TDbServerTypes = unsigned;

enum class TDbLockTypes { Proprietary, Compatible };
enum class TDbCharTypes { ANSI, OEM };
enum TDbRespectFilters { IGNORE_WHEN_COUNTING, RESPECT_WHEN_COUNTING };
enum TDbRespectScopes { IGNORE_SCOPES_WHEN_COUNTING, RESPECT_SCOPES_WHEN_COUNTING };
using TDbIndexPageSizes = uint16_t;

namespace db {

// The engine's server mask: remote 2, local 1, Internet 4.
uint16_t serverTypeMask(TDbServerTypes Types);
// The engine's table type: CDX 2, NTX 1, VDT and default 3.
uint16_t engineTableType(TDbTableTypes Type);
// Back from the engine's numbering: 2 CDX, 1 NTX, anything else VDT.
TDbTableTypes tableTypeOfEngine(uint16_t EngineType);

} // namespace db
