// The texts this direction shows, word for word (Windows-1252).
#pragma once

#include <string_view>

namespace tv::tablorix_to_dae {

inline constexpr std::string_view kFolderMissing = "No existe la carpeta";

inline constexpr std::string_view kKeepEarlierDataQuestion =
    "Si Conserva los Datos de la Exportaci\xF3n Anterior,\r"
    "estos se ajustar\xE1n a los cambios hechos en el horario,\r"
    "pero se conservar\xE1n los C\xF3"
    "digos DAE puestos anteriormente.\r"
    "\xBF"
    "Desea Conservar los Datos de la Exportaci\xF3n Anterior?";

inline constexpr std::string_view kCodificationOnlyQuestion =
    "Si desea acceder directamente a la Codificaci\xF3n DAE, pulse S\xCD.\r"
    "                                                             \r"
    "Si desea Exportar Nuevamente Conservando Datos, pulse NO.";

inline constexpr std::string_view kTeacherWithoutDocumentQuestion =
    "           !!!ATENCI\xD3N!!!                 \r"
    "Todav\xED"
    "a hay alg\xFAn Profesor SIN DOCumento(DNI).\r"
    "       \xBF"
    "Desea corregir esta incidencia?       ";

inline constexpr std::string_view kProcessFinished = "Proceso finalizado";
inline constexpr std::string_view kProcessNotFinished =
    "!!ATENCI\xD3N!! El Proceso NO ha finalizado Correctamente";

// Entering a list that the line's kind makes read-only.
inline constexpr std::string_view kSubjectListOnNonLectiveLine =
    "No debe modificar este dato. Esta l\xEDnea NO es de car\xE1"
    "cter Lectivo.";
inline constexpr std::string_view kActivityListOnLectiveLine =
    "No debe modificar este dato. Esta l\xEDnea ES de car\xE1"
    "cter Lectivo.";

} // namespace tv::tablorix_to_dae
