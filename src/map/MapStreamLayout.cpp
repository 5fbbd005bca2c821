// Decoding the map stream's pieces field by field, so that the in-memory records keep their
// natural alignment while the stream stays packed.
#include "map/MapStreamLayout.h"

#include <bit>
#include <cstring>

static_assert(std::endian::native == std::endian::little,
              "the map stream is little-endian and decoded by plain copies");

namespace mapi {
namespace {

// Reads consecutive fields from a piece whose size the caller has checked.
class FieldReader {
public:
    explicit FieldReader(const uint8_t* bytes) : at_(bytes) {}

    template <typename T>
    requires std::is_arithmetic_v<T>
    void operator()(T& value) { take(&value, sizeof(T)); }

    template <std::size_t Room>
    void operator()(ShortString<Room>& text) {
        take(text.bytes, Room + 1);
    }

    template <std::size_t N>
    void operator()(std::array<uint8_t, N>& bytes) {
        take(bytes.data(), N);
    }

private:
    void take(void* target, std::size_t size) {
        std::memcpy(target, at_, size);
        at_ += size;
    }

    const uint8_t* at_;
};

} // namespace

template <typename Piece>
Piece decodePiece(const uint8_t* bytes) {
    Piece piece;
    FieldReader in(bytes);
    visitFields(piece, in);
    return piece;
}

template TKEXMapHeader decodePiece<TKEXMapHeader>(const uint8_t*);
template TKEXMapStreetName decodePiece<TKEXMapStreetName>(const uint8_t*);
template TKEXMapObjectOld decodePiece<TKEXMapObjectOld>(const uint8_t*);
template TKEXMapAddress decodePiece<TKEXMapAddress>(const uint8_t*);
template TKEXMapAddressOld decodePiece<TKEXMapAddressOld>(const uint8_t*);
template TKEXMapExtra decodePiece<TKEXMapExtra>(const uint8_t*);
template TKEXMapText decodePiece<TKEXMapText>(const uint8_t*);
template TKEXMapZametka decodePiece<TKEXMapZametka>(const uint8_t*);
template TKEXMapZametkaOld decodePiece<TKEXMapZametkaOld>(const uint8_t*);

BlockFlags decodeRecord(const uint8_t* bytes, TKEXMapObjectMem& record) {
    FieldReader in(bytes);
    uint8_t hasAddress = 0;
    uint8_t hasExtra = 0;
    visitRecordFields(record, hasAddress, hasExtra, in);
    return {hasAddress == 1, hasExtra == 1};
}

} // namespace mapi
