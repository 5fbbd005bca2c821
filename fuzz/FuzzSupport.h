// What several fuzz targets share: the input as a stream or a file, a scratch directory of the
// process, the offscreen windowing system for targets that draw or build controls, and the small
// dictionary the engine targets run against.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/TMemoryStream.h"

namespace fuzz {

TMemoryStream streamOf(const std::uint8_t* data, std::size_t size);

// A directory of this process's own under the system's temporary directory, made on first use;
// inputs that must be files are written there.
const std::string& scratchDirectory();

// Writes the bytes to the file, replacing it.
void writeFile(const std::string& path, std::string_view bytes);
std::string readFile(const std::string& path);

// The toolkit's application on the offscreen platform, text drawn without smoothing.
void startOffscreenApplication();

} // namespace fuzz
