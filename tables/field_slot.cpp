#include "tables/field_slot.h"

#include "tables/text.h"
#include "tables/value_parsing.h"

#include <algorithm>
#include <cstring>

namespace tv::tables {

std::string FieldSlot::Text(const char* record) const {
    return FieldText(*def, Bytes(record));
}

void FieldSlot::AppendOtherText(std::string& out, const char* record) const {
    out += Text(record);
}

std::int32_t FieldSlot::Integer(const char* record) const {
    return FieldInteger(*def, Bytes(record));
}

bool FieldSlot::Equals(const char* record, std::string_view value) const {
    if (def->type != 'C') return Text(record) == value;
    const std::string_view bytes = TrimmedBytes(record);
    if (bytes.size() != value.size()) return false;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if ((bytes[i] == '\0' ? ' ' : bytes[i]) != value[i]) return false;
    return true;
}

bool FieldSlot::IsBlankText(const char* record) const {
    const std::string_view bytes = Bytes(record);
    // A character field reads back without trailing blanks and NULs, its NULs as blanks.
    if (def->type == 'C')
        return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c == ' ' || c == '\0'; });
    return TrimBoth(Text(record)).empty();
}

void FieldSlot::SetOtherText(char* record, std::string_view text) const {
    StoreText(*def, text, record + def->offset);
}

std::int32_t FieldInteger(const DbfField& def, std::string_view bytes) {
    if (bytes.empty() || IsBlankField(def, bytes)) {
        if (def.type == 'C') StrToInt("");
        return 0;
    }
    switch (def.type) {
    case 'C':
        return StrToInt(FieldText(def, bytes));
    case 'L':
        return FieldBoolean(def, bytes) ? 1 : 0;
    default: {
        double value = 0;
        if (!FieldNumber(def, bytes, value)) return StrToInt(FieldText(def, bytes));
        return RoundHalfEven(value);
    }
    }
}

} // namespace tv::tables
