// Feeds arbitrary bytes to the table and index readers: they must answer with
// TableError or data, never crash or read outside the input.
#include "tables/dbf_format.h"
#include "tables/mdx_file.h"
#include "tables/table_error.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace {

void ReadAsTable(std::span<const std::uint8_t> bytes) {
    using namespace tv::tables;
    try {
        const DbfHeader header = ParseDbfHeader(bytes, "fuzz.dbf");
        for (std::uint32_t r = 0; r < header.recordCount && r < 1000; ++r) {
            const auto* record = reinterpret_cast<const char*>(bytes.data()) + header.headerLength +
                                 static_cast<std::size_t>(r) * header.recordLength;
            for (const DbfField& field : header.fields) {
                const std::string_view value(record + field.offset, static_cast<std::size_t>(field.length));
                (void)FieldText(field, value);
                double number = 0;
                (void)FieldNumber(field, value, number);
            }
        }
    } catch (const TableError&) {
    }
}

void ReadAsIndex(std::span<const std::uint8_t> bytes) {
    using namespace tv::tables;
    try {
        const MdxInfo info = ReadMdx(bytes, "fuzz.mdx");
        for (const MdxTag& tag : info.tags) {
            try {
                (void)WalkMdxTag(bytes, tag, "fuzz.mdx");
            } catch (const TableError&) {
            }
        }
    } catch (const TableError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    ReadAsTable(bytes);
    ReadAsIndex(bytes);
    return 0;
}
