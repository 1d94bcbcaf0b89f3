// The YY MM DD stamp that DBF and MDX headers carry (year counted from 1900).
#pragma once

#include <cstdint>

namespace tv::tables {

struct FileDate {
    std::uint8_t yearsSince1900 = 0;
    std::uint8_t month = 1;
    std::uint8_t day = 1;
};

// Today's date in local time.
FileDate Today();

// The three bytes of `date` at `p`, as both headers keep them.
void WriteFileDate(std::uint8_t* p, const FileDate& date);

} // namespace tv::tables
