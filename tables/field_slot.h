// A field's place inside a record, found once by name, for the code that
// reads or writes many rows without a cursor (TableBuilder, TableRows). The
// values read and stored are those of the cursor's AsString, AsInteger and
// SetString, byte for byte.
#pragma once

#include "tables/dbf_format.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace tv::tables {

struct FieldSlot {
    const DbfField* def = nullptr;

    std::string_view Bytes(const char* record) const {
        return {record + def->offset, static_cast<std::size_t>(def->length)};
    }
    // A character field's bytes without its trailing blanks and NULs.
    std::string_view TrimmedBytes(const char* record) const {
        std::string_view bytes = Bytes(record);
        while (!bytes.empty() && (bytes.back() == ' ' || bytes.back() == '\0'))
            bytes.remove_suffix(1);
        return bytes;
    }
    // As Table::AsString reads it.
    std::string Text(const char* record) const;
    // The same text, appended to `out` (without a string of its own for a
    // character field). Inline, as SetText: it runs for every field read in bulk.
    void AppendText(std::string& out, const char* record) const {
        if (def->type != 'C') return AppendOtherText(out, record);
        const std::string_view bytes = TrimmedBytes(record);
        const std::size_t start = out.size();
        out.append(bytes);
        for (char* c = out.data() + start; c != out.data() + out.size(); ++c)
            if (*c == '\0') *c = ' ';
    }
    // The same text, viewed in the record's bytes when it is them (a
    // character field without NULs), else made in `made`; valid while both are.
    std::string_view TextView(const char* record, std::string& made) const {
        if (def->type == 'C') {
            const std::string_view bytes = TrimmedBytes(record);
            // A few bytes: looked at here rather than through a call.
            bool nul = false;
            for (const char c : bytes)
                nul |= c == '\0';
            if (!nul) return bytes;
        }
        made.clear();
        AppendText(made, record);
        return made;
    }
    // As Table::AsInteger reads it (throws ConversionError as it does).
    std::int32_t Integer(const char* record) const;
    // Table::AsString(...) == value, without building the text.
    bool Equals(const char* record, std::string_view value) const;
    // Blank, or nothing but blanks once read: TrimBoth(AsString(...)) is empty.
    bool IsBlankText(const char* record) const;
    // As Table::SetString stores it: a character field cut or padded with blanks.
    // Inline: the steps that build tables call it for every field of every row.
    void SetText(char* record, std::string_view text) const {
        if (def->type != 'C') return SetOtherText(record, text);
        char* out = record + def->offset;
        const auto width = static_cast<std::size_t>(def->length);
        const std::size_t used = PutBytes(out, text);
        // Long names and aliases are mostly blanks: those go at once.
        if (width - used > 16)
            std::memset(out + used, ' ', width - used);
        else
            for (std::size_t i = used; i < width; ++i)
                out[i] = ' ';
    }
    // SetText on a field known to be blank (a row just appended): only the
    // text's own bytes are stored, the blanks after it being there already.
    void SetTextOnBlank(char* record, std::string_view text) const {
        if (def->type != 'C') return SetOtherText(record, text);
        PutBytes(record + def->offset, text);
    }

  private:
    // The text's bytes that fit the field, at `out`; how many. Fields are a
    // few bytes long, so a plain loop beats a call to memcpy.
    std::size_t PutBytes(char* out, std::string_view text) const {
        const auto width = static_cast<std::size_t>(def->length);
        const std::size_t used = width < text.size() ? width : text.size();
        for (std::size_t i = 0; i < used; ++i)
            out[i] = text[i];
        return used;
    }
    void AppendOtherText(std::string& out, const char* record) const;
    void SetOtherText(char* record, std::string_view text) const;
};

// The integer value of a field's bytes, as Table::AsInteger gives it.
std::int32_t FieldInteger(const DbfField& def, std::string_view bytes);

} // namespace tv::tables
