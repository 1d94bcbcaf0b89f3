// One work record as the checks read it: views of its fields' text (Windows-1252,
// no trailing blanks, as the tables read it back). The texts stay valid until
// the check has finished: they are the tables' rows, held in memory while the
// check reads them, or the strings of a TimetableCheckInput.
#pragma once

#include "tablorix_to_dae/timetable_check_input.h"

#include <cstdint>
#include <string_view>

namespace tv::tablorix_to_dae {

using ClassRecord = ClassFields<std::string_view>;
using GroupRecord = GroupFields<std::string_view>;

inline ClassRecord RecordOf(const CheckClass& c) {
    return {c.record,      c.key,         c.teacher,  c.day,      c.period, c.documentType,
            c.document,    c.task,        c.start,    c.end,      c.room,   c.subject,
            c.subjectCode, c.subjectType, c.language, c.activity, c.level,  c.plan};
}

inline GroupRecord RecordOf(const CheckGroup& g) {
    return {g.record, g.key, g.teacher, g.group, g.code, g.day, g.period, g.pupils, g.alias};
}

} // namespace tv::tablorix_to_dae
