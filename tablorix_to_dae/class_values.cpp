#include "tablorix_to_dae/class_values.h"

#include "tablorix_to_dae/work_tables.h"

#include "tables/text.h"

namespace tv::tablorix_to_dae {
ClassValues JoinClass(const SolucClass& lesson, const SolucTexts& texts, std::string_view key,
                      const Teacher& teacher, const Lookups& lookups) {
    ClassValues values;
    values.key = key;
    values.documentType = teacher.documentType;
    values.document = teacher.document;

    const int lastPeriod = lesson.sessions <= 1 ? lesson.period : lesson.period + lesson.sessions - 1;
    if (const auto first = lookups.periods.find(lesson.period); first != lookups.periods.end())
        values.start = first->second.start;
    if (const auto last = lookups.periods.find(lastPeriod); last != lookups.periods.end())
        values.end = last->second.end;

    values.group = texts.group;
    values.pupils = texts.pupils;
    if (const GroupCodes* group = lookups.groups.Find(texts.group)) {
        const GroupCodes& codes = *group;
        values.level = codes.level;
        values.plan = codes.plan;
        values.groupCode = codes.code;
        values.alias = codes.alias;
        if (values.pupils == "0") values.pupils = codes.maxPupils;
    }

    values.subject = texts.subject;
    if (const SubjectCodes* subject = lookups.subjects.Find(texts.subject)) {
        values.subjectCode = subject->code;
        values.subjectName = subject->name;
    }

    values.task = texts.task;
    if (IsBlank(values.task)) values.task = IsBlank(values.level) ? "" : "101";
    values.room = texts.room;
    return values;
}

} // namespace tv::tablorix_to_dae
