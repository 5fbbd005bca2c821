// Slot lengths per engine type and field look-up of a record layout.
#include "engine/RecordLayout.h"

#include "engine/FieldCodec.h"

#include "base/CaseMap.h"

#include <cstdint>

namespace ce {

uint32_t slotLength(uint16_t type, uint32_t declaredLength, TableFamily family) {
    const bool dbf = family == TableFamily::Dbf;
    switch (type) {
    case kLogical:
        return 1;
    case kNumeric:
        return declaredLength >= 1 && declaredLength <= 32 ? declaredLength : 0;
    case kDate:
        return dbf ? 8 : 4;
    case kString:
        return declaredLength >= 1 && declaredLength <= 65530 ? declaredLength : 0;
    case kMemo:
    case kBinary:
    case kImage:
        return 4;
    case kVarchar:
    case kCompactDate:
    case kDouble:
    case kInteger:
    case kShortInt:
    case kTime:
    case kTimestamp:
    case kAutoinc:
    case kRaw:
    case kCurDouble:
        break;
    default:
        return 0;
    }
    if (dbf)
        return 0;
    switch (type) {
    case kVarchar:
        return 4;
    case kCompactDate:
        return 3;
    case kShortInt:
        return 2;
    case kInteger:
    case kTime:
    case kAutoinc:
        return 4;
    case kRaw:
        return declaredLength >= 1 && declaredLength <= 65530 ? declaredLength : 0;
    default:
        return 8;
    }
}

RecordLayout::RecordLayout(std::vector<FieldDef> fields, TableFamily family)
    : fields_(std::move(fields)), family_(family) {
    uint32_t offset = family == TableFamily::Dbf ? 1 : 0;
    for (size_t i = 0; i < fields_.size(); ++i) {
        fields_[i].offset = offset;
        offset += fields_[i].length;
        if (fields_[i].type == kAutoinc)
            autoinc_ = static_cast<int>(i);
    }
    recordLength_ = offset;
}

int RecordLayout::findField(std::string_view name) const {
    const std::string wanted = base::upperCp1251(name);
    for (size_t i = 0; i < fields_.size(); ++i)
        if (base::upperCp1251(fields_[i].name) == wanted)
            return static_cast<int>(i);
    return -1;
}

int RecordLayout::resolve(const char* field) const {
    const auto value = reinterpret_cast<uintptr_t>(field);
    if (value < 0x10000) {
        if (value < 1 || value > fields_.size())
            return -1;
        return static_cast<int>(value - 1);
    }
    return findField(field);
}

void RecordLayout::writeEmptyRecord(unsigned char* record) const {
    if (family_ == TableFamily::Dbf)
        record[0] = ' ';
    for (const FieldDef& field : fields_)
        writeEmptySlot(field, family_, record + field.offset);
}

} // namespace ce
