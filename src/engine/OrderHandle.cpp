// Key building through an order handle: segment keys from raw slots or texts, and string keys.
#include "engine/OrderHandle.h"

#include "engine/FieldCodec.h"

#include <cstring>
#include <vector>

namespace ce {
namespace {

Status badField(const RecordLayout& layout, int field) {
    const std::string name = field >= 0 ? layout.fields()[static_cast<size_t>(field)].name : std::string("?");
    return Status(kInvalidArgument, "Field \"" + name + "\" is not a segment of this index");
}

// One full segment key from a value.
Status segmentFromValue(const IndexDef& def, size_t segment, const RecordLayout& layout, const Value& value,
                        std::string& key) {
    const FieldDef& field = layout.fields()[static_cast<size_t>(def.segments[segment].field)];
    std::vector<unsigned char> slot(field.length);
    CE_TRY(writeSlot(field, layout.family(), value, slot.data()));
    def.appendSegment(segment, layout, slot.data(), key);
    return {};
}

} // namespace

void OrderHandle::initRawKey() {
    for (auto& segment : segments_)
        segment.reset();
}

int OrderHandle::segmentOf(int field) const {
    const auto& segments = order_->def().segments;
    for (size_t i = 0; i < segments.size(); ++i)
        if (segments[i].field == field)
            return static_cast<int>(i);
    return -1;
}

Status OrderHandle::assignRaw(const RecordLayout& layout, int field, const unsigned char* raw, uint32_t length) {
    const int segment = segmentOf(field);
    if (segment < 0)
        return badField(layout, field);
    const FieldDef& def = layout.fields()[static_cast<size_t>(field)];
    std::vector<unsigned char> slot(def.length, def.type == kString ? ' ' : 0);
    std::memcpy(slot.data(), raw, length < def.length ? length : def.length);
    Segment key;
    order_->def().appendSegment(static_cast<size_t>(segment), layout, slot.data(), key.key);
    segments_[static_cast<size_t>(segment)] = std::move(key);
    return {};
}

Status OrderHandle::assignText(const RecordLayout& layout, int field, const char* text, uint32_t length) {
    const int segment = segmentOf(field);
    if (segment < 0)
        return badField(layout, field);
    const FieldDef& def = layout.fields()[static_cast<size_t>(field)];
    const std::string_view value(text, length);
    if (def.type == kString) {
        if (length >= def.length)
            return assignRaw(layout, field, reinterpret_cast<const unsigned char*>(text), length);
        Segment key;
        key.partial = true;
        order_->def().appendPartialText(static_cast<size_t>(segment), value, key.key);
        segments_[static_cast<size_t>(segment)] = std::move(key);
        return {};
    }
    const std::optional<Value> parsed = textValue(def, value);
    if (!parsed)
        return Status(kInvalidColumnValue, "Value not valid for column \"" + def.name + "\"");
    Segment key;
    CE_TRY(segmentFromValue(order_->def(), static_cast<size_t>(segment), layout, *parsed, key.key));
    segments_[static_cast<size_t>(segment)] = std::move(key);
    return {};
}

std::string OrderHandle::buildRawKey() const {
    std::string key;
    for (const auto& segment : segments_) {
        if (!segment)
            break;
        key += segment->key;
        if (segment->partial)
            break;
    }
    return key;
}

Status textKey(const IndexDef& def, const RecordLayout& layout, std::string_view text, std::string& key) {
    key.clear();
    size_t pos = 0;
    for (size_t i = 0; i < def.segments.size() && pos < text.size(); ++i) {
        const FieldDef& field = layout.fields()[static_cast<size_t>(def.segments[i].field)];
        const std::string_view rest = text.substr(pos);
        if (field.type != kString) {
            // A non-string segment takes the rest of the text.
            const std::optional<Value> value = textValue(field, rest);
            if (!value)
                return Status(kInvalidArgument, "Key text not valid for field \"" + field.name + "\"");
            return segmentFromValue(def, i, layout, *value, key);
        }
        if (rest.size() < field.length) {
            def.appendPartialText(i, rest, key);
            return {};
        }
        def.appendSegment(i, layout, reinterpret_cast<const unsigned char*>(rest.data()), key);
        pos += field.length;
    }
    return {};
}

} // namespace ce
