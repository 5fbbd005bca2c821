// Reading icon libraries and decoding their pictures. Every byte taken from the stream is checked:
// a record whose image size is negative or runs past the end raises the read error before
// anything is allocated for it.
#include "map/TKexIconList.h"

#include <cstring>

#include "toolkit/AnsiStrings.h"
#include "toolkit/Exception.h"
#include "toolkit/TGraphic.h"

namespace {

int32_t int32At(const uint8_t* bytes) {
    return static_cast<int32_t>(uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 |
                                uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24);
}

template <std::size_t Room>
void shortStringAt(ShortString<Room>& target, const uint8_t* bytes) {
    std::memcpy(target.bytes, bytes, Room + 1);
}

TKexIconLibHeader headerOf(const std::array<uint8_t, TKexIconList::kHeaderSize>& bytes) {
    TKexIconLibHeader header;
    shortStringAt(header.Signature, bytes.data());
    header.Format = int32At(bytes.data() + 71);
    shortStringAt(header.LibName, bytes.data() + 75);
    std::memcpy(header.Reserved.data(), bytes.data() + 106, header.Reserved.size());
    header.Count = int32At(bytes.data() + 177);
    return header;
}

TKexIconRecord recordOf(const std::array<uint8_t, TKexIconList::kRecordSize>& bytes) {
    TKexIconRecord record;
    shortStringAt(record.Name, bytes.data());
    record.TransparentColor = int32At(bytes.data() + 31);
    record.Transparent = bytes[35];
    record.Size = int32At(bytes.data() + 36);
    return record;
}

AnsiString iconKey(std::string_view name) {
    return AnsiUpperCase(Trim(name)).substr(0, 30);
}

} // namespace

// The record as stored (name upper-cased), its BMP file, and the picture once it was decoded.
struct TKexIconList::Item {
    TKexIconRecord record;
    AnsiString name;
    TMemoryStream image;
    std::unique_ptr<TBitmap> bitmap;
    bool decoded = false;
};

TKexIconList::TKexIconList() = default;
TKexIconList::~TKexIconList() = default;

void TKexIconList::LoadFromStream(TStream& stream) {
    Clear();
    std::array<uint8_t, kHeaderSize> headerBytes{};
    stream.ReadBuffer(headerBytes.data(), kHeaderSize);
    header_ = headerOf(headerBytes);
    if (header_.Format != 1)
        return;
    const int32_t count = header_.Count;
    header_.Count = 0;
    for (int32_t i = 0; i < count; ++i) {
        std::array<uint8_t, kRecordSize> recordBytes{};
        stream.ReadBuffer(recordBytes.data(), kRecordSize);
        const TKexIconRecord record = recordOf(recordBytes);
        if (record.Size < 0 || record.Size > stream.Size() - stream.Position())
            throw EReadError("Stream read error");
        TMemoryStream image;
        if (record.Size > 0)
            image.CopyFrom(stream, record.Size);
        AddIcon(record, std::move(image));
    }
}

void TKexIconList::AddIcon(const TKexIconRecord& record, TMemoryStream image) {
    auto item = std::make_unique<Item>();
    item->record = record;
    item->name = iconKey(record.Name.str());
    item->record.Name.assign(item->name);
    item->image = std::move(image);
    items_.push_back(std::move(item));
    header_.Count = Count();
}

void TKexIconList::Clear() {
    items_.clear();
    header_.Count = 0;
}

void TKexIconList::Delete(int index) {
    if (index < 0 || index >= Count())
        return;
    items_.erase(items_.begin() + index);
    header_.Count = Count();
}

int TKexIconList::IndexOfName(std::string_view name) const {
    for (int i = 0; i < Count(); ++i) {
        if (AnsiCompareText(items_[static_cast<std::size_t>(i)]->name, name) == 0)
            return i;
    }
    return -1;
}

const AnsiString& TKexIconList::Names(int index) const {
    return items_.at(static_cast<std::size_t>(index))->name;
}

TBitmap* TKexIconList::GetBitmap(std::string_view name) {
    return GetBitmapByIndex(IndexOfName(name));
}

TBitmap* TKexIconList::GetBitmapByIndex(int index) {
    if (index < 0 || index >= Count())
        return nullptr;
    Item& item = *items_[static_cast<std::size_t>(index)];
    if (item.decoded)
        return item.bitmap.get();
    // Decoded once and kept, so that drawing a note never decodes or allocates.
    item.decoded = true;
    auto bitmap = std::make_unique<TBitmap>();
    try {
        item.image.SetPosition(0);
        bitmap->LoadFromStream(item.image);
    } catch (const EInvalidGraphic&) {
        return nullptr;
    } catch (const EStreamError&) {
        return nullptr;
    }
    bitmap->SetTransparentColor(item.record.TransparentColor);
    bitmap->SetTransparent(item.record.Transparent != 0);
    item.bitmap = std::move(bitmap);
    return item.bitmap.get();
}
