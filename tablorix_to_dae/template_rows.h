// The rows of the centre's class-hour template: one per period, numbered from
// 1 without gaps, with its start and end time.
#pragma once

#include "tables/table.h"

#include <string>
#include <vector>

namespace tv::tablorix_to_dae {

struct TemplateRow {
    int period = 0;
    std::string start; // HH:MM
    std::string end;

    bool operator==(const TemplateRow&) const = default;
};

// Twenty one-hour periods from 08:00-09:00 to 03:00-04:00 (period 16 ends at 24:00).
std::vector<TemplateRow> DefaultTemplateRows();

// From DIASHORAST in stored order: the first record of period 1, then the
// first later record of period 2, and so on; the period is characters 2-3 of
// DIHO. A period that no record carries after its predecessor ends the
// template. Throws std::runtime_error naming the record when a DIHO holds no
// period number.
std::vector<TemplateRow> TemplateRowsFromDayHours(tables::Table& dayHours);

} // namespace tv::tablorix_to_dae
