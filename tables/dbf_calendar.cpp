#include "tables/dbf_calendar.h"

#include "tables/dbf_field_text.h"
#include "tables/dbf_format.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace tv::tables::dbf_detail {
namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;

// Days from 1970-01-01 to a proleptic Gregorian date (and back), by the
// era/day-of-era method, valid for every year we handle.
constexpr std::int64_t DaysFromCivil(int year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

struct CivilDate {
    int year;
    int month;
    int day;
};

constexpr CivilDate CivilFromDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

// Day number of 1970-01-01 (DaysFromCivil counts from there).
constexpr std::int64_t kDayOf1970 = 1 - DaysFromCivil(1, 1, 1);
constexpr std::int64_t kEndTimestampDay = DaysFromCivil(10000, 1, 1) + kDayOf1970; // exclusive
static_assert(kDayOf1970 == 719163);

void WritePadded(char*& p, int value, int width) {
    for (int i = width - 1; i >= 0; --i) {
        p[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    p += width;
}

// Reads `count` digits at `pos` into `value`.
bool ReadDigits(std::string_view s, std::size_t pos, std::size_t count, int& value) {
    if (pos + count > s.size()) return false;
    value = 0;
    for (std::size_t i = pos; i < pos + count; ++i) {
        if (!IsDigit(s[i])) return false;
        value = value * 10 + (s[i] - '0');
    }
    return true;
}

bool ValidDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31) return false;
    const CivilDate back = CivilFromDays(DaysFromCivil(year, month, day));
    return back.month == month && back.day == day; // rejects 31 April, 29 Feb 2023...
}

} // namespace

// "YYYY-MM-DD HH:MM:SS"; a value outside the years 1..9999 shows its raw count.
std::string TimestampText(double ms) {
    if (!(ms >= static_cast<double>(kMsPerDay) && ms < static_cast<double>(kEndTimestampDay * kMsPerDay)))
        return ShortestDecimal(ms);
    const std::int64_t total = std::llround(ms);
    const std::int64_t dayNumber = total / kMsPerDay;
    const std::int64_t seconds = (total % kMsPerDay) / 1000;
    const CivilDate date = CivilFromDays(dayNumber - kDayOf1970);
    char buffer[19];
    char* p = buffer;
    WritePadded(p, date.year, 4);
    *p++ = '-';
    WritePadded(p, date.month, 2);
    *p++ = '-';
    WritePadded(p, date.day, 2);
    *p++ = ' ';
    WritePadded(p, static_cast<int>(seconds / 3600), 2);
    *p++ = ':';
    WritePadded(p, static_cast<int>(seconds / 60 % 60), 2);
    *p++ = ':';
    WritePadded(p, static_cast<int>(seconds % 60), 2);
    return std::string(buffer, sizeof buffer);
}

// "YYYY-MM-DD" with an optional " HH:MM:SS" (or "T" as separator).
bool ParseTimestamp(std::string_view s, double& ms) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!ReadDigits(s, 0, 4, year) || s.size() < 10 || s[4] != '-' || !ReadDigits(s, 5, 2, month) ||
        s[7] != '-' || !ReadDigits(s, 8, 2, day) || !ValidDate(year, month, day))
        return false;
    if (s.size() != 10) {
        if (s.size() != 19 || (s[10] != ' ' && s[10] != 'T') || !ReadDigits(s, 11, 2, hour) || s[13] != ':' ||
            !ReadDigits(s, 14, 2, minute) || s[16] != ':' || !ReadDigits(s, 17, 2, second) || hour > 23 ||
            minute > 59 || second > 59)
            return false;
    }
    const std::int64_t dayNumber = DaysFromCivil(year, month, day) + kDayOf1970;
    ms = static_cast<double>(dayNumber * kMsPerDay + ((hour * 60 + minute) * 60 + second) * 1000LL);
    return true;
}

// "YYYYMMDD" or "YYYY-MM-DD" to the stored "YYYYMMDD".
bool ParseDate(std::string_view s, char* out) {
    int year = 0, month = 0, day = 0;
    if (s.size() == 8 && ReadDigits(s, 0, 4, year) && ReadDigits(s, 4, 2, month) &&
        ReadDigits(s, 6, 2, day)) {
        if (!ValidDate(year, month, day)) return false;
        std::memcpy(out, s.data(), 8);
        return true;
    }
    if (s.size() == 10 && s[4] == '-' && s[7] == '-' && ReadDigits(s, 0, 4, year) &&
        ReadDigits(s, 5, 2, month) && ReadDigits(s, 8, 2, day) && ValidDate(year, month, day)) {
        std::memcpy(out, s.data(), 4);
        std::memcpy(out + 4, s.data() + 5, 2);
        std::memcpy(out + 6, s.data() + 8, 2);
        return true;
    }
    return false;
}

} // namespace tv::tables::dbf_detail
