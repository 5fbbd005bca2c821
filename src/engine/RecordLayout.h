// The fields of a table and the raw record image they make: each field's engine type, slot length
// and offset. VDT images start at offset 0; images of the DBF family carry a deletion-flag byte
// first.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ce {

enum CeType : uint16_t {
    kLogical = 1,
    kNumeric = 2,
    kDate = 3,
    kString = 4,
    kMemo = 5,
    kBinary = 6,
    kImage = 7,
    kVarchar = 8,
    kCompactDate = 9,
    kDouble = 10,
    kInteger = 11,
    kShortInt = 12,
    kTime = 13,
    kTimestamp = 14,
    kAutoinc = 15,
    kRaw = 16,
    kCurDouble = 17,
};

enum class TableFamily { Vdt, Dbf };

// Blob-like fields are read on demand; their image slot only says whether they hold data.
inline bool isBlobType(uint16_t type) { return type >= kMemo && type <= kVarchar; }

struct FieldDef {
    std::string name;      // CP1251, as declared
    uint16_t type = 0;
    uint32_t length = 0;   // slot length in the raw image
    uint16_t decimals = 0;
    uint32_t offset = 0;
    bool nullable = true;
};

// The slot length of a type, from the declared length where the type has one; 0 when the
// declaration is not valid for the family.
uint32_t slotLength(uint16_t type, uint32_t declaredLength, TableFamily family);

class RecordLayout {
public:
    RecordLayout() = default;
    RecordLayout(std::vector<FieldDef> fields, TableFamily family);

    const std::vector<FieldDef>& fields() const { return fields_; }
    TableFamily family() const { return family_; }
    uint32_t recordLength() const { return recordLength_; }

    // Index of a field by case-insensitive name, or -1.
    int findField(std::string_view name) const;
    // A field given as a 1-based number (values below 0x10000) or as a name pointer, or -1.
    int resolve(const char* field) const;
    // Index of the auto-increment field, or -1.
    int autoincField() const { return autoinc_; }

    void writeEmptyRecord(unsigned char* record) const;

private:
    std::vector<FieldDef> fields_;
    TableFamily family_ = TableFamily::Vdt;
    uint32_t recordLength_ = 0;
    int autoinc_ = -1;
};

} // namespace ce
