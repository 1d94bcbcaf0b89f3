// The texts this direction shows in more than one place, in the user's
// language (Windows-1252).
#pragma once

#include "tables/user_text.h"

#include <string>

namespace tv::tablorix_to_dae {

inline std::string FolderMissing() {
    return TV_TEXT("Importar", "No existe la carpeta");
}

inline std::string KeepEarlierDataQuestion() {
    return TV_TEXT(
        "Importar",
        "Si Conserva los Datos de la Exportación Anterior,\restos se ajustarán a los cambios hechos en el horario,\rpero se conservarán los Códigos DAE puestos anteriormente.\r¿Desea Conservar los Datos de la Exportación Anterior?");
}

inline std::string CodificationOnlyQuestion() {
    return TV_TEXT(
        "Importar",
        "Si desea acceder directamente a la Codificación DAE, pulse SÍ.\r                                                             \rSi desea Exportar Nuevamente Conservando Datos, pulse NO.");
}

inline std::string TeacherWithoutDocumentQuestion() {
    return TV_TEXT(
        "Codificación",
        "           !!!ATENCIÓN!!!                 \rTodavía hay algún Profesor SIN DOCumento(DNI).\r       ¿Desea corregir esta incidencia?       ");
}

inline std::string ProcessFinished() {
    return TV_TEXT("Importar", "Proceso finalizado");
}

inline std::string ProcessNotFinished() {
    return TV_TEXT("Importar", "!!ATENCIÓN!! El Proceso NO ha finalizado Correctamente");
}

// Entering a list that the line's kind makes read-only.
inline std::string SubjectListOnNonLectiveLine() {
    return TV_TEXT("Codificación", "No debe modificar este dato. Esta línea NO es de carácter Lectivo.");
}

inline std::string ActivityListOnLectiveLine() {
    return TV_TEXT("Codificación", "No debe modificar este dato. Esta línea ES de carácter Lectivo.");
}

} // namespace tv::tablorix_to_dae
