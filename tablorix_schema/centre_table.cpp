#include "tablorix_schema/centre_table.h"

#include "tablorix_schema/table_names.h"

namespace tv::schema {

tables::TableDecl CentreTableDecl() {
    return {{{std::string(kCentreCodeField), tables::FieldKind::String, 6},
             {std::string(kAcademicYearField), tables::FieldKind::String, 4},
             {std::string(kVersionField), tables::FieldKind::String, 5}},
            {}};
}

void CreaTablaCentro(const std::filesystem::path& ktemp) {
    tables::Table::Create(ktemp, kCentreTable, CentreTableDecl());
}

} // namespace tv::schema
