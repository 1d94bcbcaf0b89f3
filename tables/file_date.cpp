#include "tables/file_date.h"

#include <ctime>

namespace tv::tables {

FileDate Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return FileDate{static_cast<std::uint8_t>(local.tm_year), static_cast<std::uint8_t>(local.tm_mon + 1),
                    static_cast<std::uint8_t>(local.tm_mday)};
}

void WriteFileDate(std::uint8_t* p, const FileDate& date) {
    p[0] = date.yearsSince1900;
    p[1] = date.month;
    p[2] = date.day;
}

} // namespace tv::tables
