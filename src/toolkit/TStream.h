// The abstract byte stream: a position, a size, Read and Write that move what they can, and
// ReadBuffer and WriteBuffer that move all or raise.
#pragma once

#include <cstdint>

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
public:
    virtual ~TStream() = default;

    // Move up to count bytes and return how many moved (0 at the end; never negative).
    virtual int64_t Read(void* buffer, int64_t count) = 0;
    virtual int64_t Write(const void* buffer, int64_t count) = 0;
    // Returns the new position.
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
    virtual void SetSize(int64_t newSize) = 0;

    int64_t Position();
    void SetPosition(int64_t position);
    virtual int64_t Size();

    // Raise EReadError / EWriteError unless all count bytes moved.
    void ReadBuffer(void* buffer, int64_t count);
    void WriteBuffer(const void* buffer, int64_t count);

    // Copies count bytes from source's position (count 0: all of source, from its start).
    virtual int64_t CopyFrom(TStream& source, int64_t count);
};
