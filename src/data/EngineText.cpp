// Fetching the engine's error texts.
#include "data/EngineText.h"

#include <vector>

#include "engine/CeEngine.h"

namespace db {
namespace {

constexpr uint32_t kTextRoom = 600;

// Runs fetch(buffer, length) with the usual room, and once more with the size the engine asks for
// when its text is longer.
template <class Fetch>
bool fetchText(Fetch&& fetch, AnsiString& text) {
    std::vector<char> buffer(kTextRoom + 1, '\0');
    uint32_t length = kTextRoom;
    CERESULT result = fetch(buffer.data(), &length);
    if (result == 5005 && length > kTextRoom) {
        buffer.assign(length + 1, '\0');
        result = fetch(buffer.data(), &length);
    }
    if (result != 0)
        return false;
    text.assign(buffer.data());
    if (text.size() > kTextRoom)
        text.resize(kTextRoom);
    return true;
}

} // namespace

bool lastEngineError(uint32_t& Code, AnsiString& Text) {
    return fetchText([&](char* buffer, uint32_t* length) { return CeGetLastError(&Code, buffer, length); }, Text);
}

bool engineErrorString(uint32_t Code, AnsiString& Text) {
    return fetchText([&](char* buffer, uint32_t* length) { return CeGetErrorString(Code, buffer, length); }, Text);
}

} // namespace db
