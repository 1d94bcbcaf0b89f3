#include "dae_to_tablorix/catalogue_files.h"

#include "tablorix_schema/table_names.h"

#include <array>

namespace tv::dae_to_tablorix {
namespace {

constexpr std::array<CatalogueField, 7> kTaskTypes{{
    {"TIPTAR", 1, 1, 1},
    {"COD", 2, 4, 4},
    {"REFUERZO", 6, 1, 1},
    {"DESCCAST", 7, 250, 250},
    {"DESCEUSK", 257, 250, 250},
    {"NIVEL", 507, 1, 1},
    {"OTRACTIV", 508, 1, 1},
}};

constexpr std::array<CatalogueField, 7> kCourses{{
    {"NIVPLANCURSO", 1, 12, 12},
    {"NIVEL", 13, 4, 4},
    {"ESPECIALIDAD", 17, 4, 4},
    {"TURNO", 21, 4, 4},
    {"CURSO", 25, 4, 4},
    {"DESCCAST", 29, 50, 50},
    {"DESCEUSK", 79, 50, 50},
}};

constexpr std::array<CatalogueField, 3> kModels{{
    {"COD", 1, 4, 4},
    {"DESCCAST", 5, 15, 15},
    {"DESCEUSK", 20, 15, 15},
}};

constexpr std::array<CatalogueField, 8> kSubjects{{
    {"COD", 1, 8, 8},
    {"DESCCAST", 9, 100, 100},
    {"DESCEUSK", 109, 100, 100},
    {"DESCCASTR", 209, 20, 20},
    {"DESCEUSKR", 229, 20, 20},
    {"CODCAST", 249, 4, 4},
    {"CODEUSK", 253, 4, 4},
    {"TIPOASIG", 257, 4, 4},
}};

// The code in the file has 3 characters, the field 4.
constexpr std::array<CatalogueField, 5> kOtherActivities{{
    {"COD", 1, 3, 4},
    {"DESCCAST", 4, 100, 100},
    {"DESCEUSK", 104, 100, 100},
    {"DESCCASTR", 204, 20, 20},
    {"DESCEUSKR", 224, 20, 20},
}};

constexpr std::array<CatalogueField, 3> kDocumentTypes{{
    {"COD", 1, 4, 4},
    {"DESCCAST", 5, 100, 100},
    {"DESCEUSK", 105, 100, 100},
}};

// The abbreviations are typed by the user in the levels step.
constexpr std::array<CatalogueField, 8> kLevels{{
    {"COD", 1, 4, 4},
    {"PLAN", 5, 4, 4},
    {"DESCCAST", 9, 50, 50},
    {"DESCEUSK", 59, 50, 50},
    {"DESCCASTR", 109, 20, 20},
    {"DESCEUSKR", 129, 20, 20},
    {"ABREVCAST", 0, 0, 5},
    {"ABREVEUSK", 0, 0, 5},
}};

constexpr std::array<CatalogueField, 3> kSpecialities{{
    {"COD", 1, 4, 4},
    {"DESCCAST", 5, 50, 50},
    {"DESCEUSK", 55, 50, 50},
}};

constexpr std::array<CatalogueField, 5> kLanguages{{
    {"IDIOMA", 1, 2, 2},
    {"DESCCAST", 3, 100, 100},
    {"DESCEUSK", 103, 100, 100},
    {"DESCCASTR", 203, 4, 4},
    {"DESCEUSKR", 207, 4, 4},
}};

const std::array<CatalogueFile, 9> kCatalogues{{
    {"T13.txt", "T13.TXT", schema::kTaskTypesTable, 508, RecordRule::TaskTypesLN, kTaskTypes},
    {"V55T12.txt", "V55T12.txt", schema::kCoursesTable, 128, RecordRule::Every, kCourses},
    {"V55T35.txt", "V55T35.txt", schema::kModelsTable, 34, RecordRule::Every, kModels},
    {"V55T15W18T54_1.txt", "V55T15W18T54_1.txt", schema::kDaeSubjectsTable, 260, RecordRule::Every,
     kSubjects},
    {"T07.txt", "T07.txt", schema::kOtherActivitiesTable, 243, RecordRule::Every, kOtherActivities},
    {"V55T86.txt", "V55T86.TXT", schema::kDocumentTypesTable, 204, RecordRule::Every, kDocumentTypes},
    {"V55T11.txt", "V55T11.txt", schema::kLevelsTable, 148, RecordRule::FirstOfEachCode, kLevels},
    {"V55T14.txt", "V55T14.txt", schema::kSpecialitiesTable, 104, RecordRule::Every, kSpecialities},
    {"T55.txt", "T55.txt", schema::kLanguagesTable, 210, RecordRule::Every, kLanguages},
}};

} // namespace

std::span<const CatalogueFile> CatalogueFiles() {
    return kCatalogues;
}

const CatalogueFile& LevelsCatalogue() {
    return kCatalogues[6];
}

tables::TableDecl CatalogueDecl(const CatalogueFile& catalogue) {
    tables::TableDecl decl;
    for (const auto& field : catalogue.fields)
        decl.fields.push_back({std::string(field.name), tables::FieldKind::String, field.size});
    return decl;
}

} // namespace tv::dae_to_tablorix
