// Position, size and the all-or-raise transfers shared by every stream.
#include "toolkit/TStream.h"

#include <algorithm>
#include <vector>

#include "toolkit/Exception.h"

int64_t TStream::Position() { return Seek(0, TSeekOrigin::soCurrent); }

void TStream::SetPosition(int64_t position) { Seek(position, TSeekOrigin::soBeginning); }

int64_t TStream::Size() {
    const int64_t position = Position();
    const int64_t size = Seek(0, TSeekOrigin::soEnd);
    Seek(position, TSeekOrigin::soBeginning);
    return size;
}

void TStream::ReadBuffer(void* buffer, int64_t count) {
    if (count > 0 && Read(buffer, count) != count)
        throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
    if (count > 0 && Write(buffer, count) != count)
        throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    constexpr int64_t kChunk = 64 * 1024;
    std::vector<char> chunk(static_cast<size_t>(std::min(count, kChunk)));
    int64_t remaining = count;
    while (remaining > 0) {
        const int64_t n = std::min(remaining, kChunk);
        source.ReadBuffer(chunk.data(), n);
        WriteBuffer(chunk.data(), n);
        remaining -= n;
    }
    return count;
}
