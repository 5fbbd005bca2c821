// One icon library: the named pictures read from an icon-library stream (a 181-byte header, then
// per icon a 40-byte record and a complete BMP file). Pictures stay in their file form until they
// are first asked for.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "toolkit/AnsiString.h"
#include "toolkit/ShortString.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TColor.h"
#include "toolkit/TMemoryStream.h"
#include "toolkit/TStream.h"

// The 181-byte header of an icon-library stream.
struct TKexIconLibHeader {
    ShortString<70> Signature; // free text
    int32_t Format = 0;        // icons follow only when it is 1
    ShortString<30> LibName;
    std::array<uint8_t, 71> Reserved = {};
    int32_t Count = 0;
};

// The 40-byte record before each picture.
struct TKexIconRecord {
    ShortString<30> Name;
    TColor TransparentColor = 0;
    uint8_t Transparent = 0; // non-zero: TransparentColor is not drawn
    int32_t Size = 0;        // bytes of the BMP file that follows
};

class TKexIconList {
public:
    static constexpr int kHeaderSize = 181;
    static constexpr int kRecordSize = 40;

    TKexIconList();
    ~TKexIconList();
    TKexIconList(const TKexIconList&) = delete;
    TKexIconList& operator=(const TKexIconList&) = delete;

    // Replaces the icons by those of the stream. A stream shorter than its header or records say
    // raises EReadError; the icons read before the damage stay.
    void LoadFromStream(TStream& stream);
    // Appends the icon under its trimmed, upper-cased name (at most 30 characters); names may
    // repeat. The image is the BMP file.
    void AddIcon(const TKexIconRecord& record, TMemoryStream image);
    void Clear();
    void Delete(int index);

    int Count() const { return static_cast<int>(items_.size()); }
    // The icon's picture with its transparency, or nullptr for an unknown name, an index outside
    // the list or an image that is no readable BMP.
    TBitmap* GetBitmap(std::string_view name);
    TBitmap* GetBitmapByIndex(int index);
    // The first icon of that name, letter case ignored; -1 when absent.
    int IndexOfName(std::string_view name) const;
    const AnsiString& Names(int index) const;

    AnsiString GetLibName() const { return header_.LibName.str(); }
    void SetLibName(std::string_view name) { header_.LibName.assign(name); }
    const TKexIconLibHeader& Header() const { return header_; }

private:
    struct Item;

    std::vector<std::unique_ptr<Item>> items_;
    TKexIconLibHeader header_;
};
