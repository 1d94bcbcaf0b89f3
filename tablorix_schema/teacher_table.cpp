#include "tablorix_schema/teacher_table.h"

#include "tablorix_schema/table_names.h"

namespace tv::schema {
namespace {

tables::FieldDecl Text(std::string_view name, int width) {
    return {std::string(name), tables::FieldKind::String, width};
}

} // namespace

tables::TableDecl TeacherTableDecl() {
    return {{Text(kAbbreviationField, 10), Text(kTeacherNameField, 80), Text(kDepartmentField, 40),
             Text(kDocumentField, 15), Text(kDocumentTypeField, 4), Text(kEmailField, 100)},
            {std::string(kAbbreviationField)}};
}

} // namespace tv::schema
