// Engine handles as the components keep them: the engine never hands out 0 or 0xFFFFFFFF, so
// 0xFFFFFFFF stands for "none" (a closed cursor) and 0 for "not given".
#pragma once

#include "engine/CeEngine.h"

namespace db {

inline constexpr CEHANDLE kNoHandle = 0xFFFFFFFFu;

// A handle the engine gave: neither 0 nor none.
inline bool isSet(CEHANDLE Handle) { return Handle != 0 && Handle != kNoHandle; }

} // namespace db
