#include "tablorix_to_dae/timetable_finding.h"

#include "tables/atomic_file.h"
#include "tables/cp1252.h"
#include "tables/text.h"
#include "tables/user_text.h"

#include <algorithm>
#include <span>

namespace tv::tablorix_to_dae {
namespace {

// A CSV field in double quotes, inner quotes doubled.
std::string Quoted(std::string_view utf8) {
    std::string field = "\"";
    for (char c : utf8) {
        if (c == '"') field += '"';
        field += c;
    }
    return field + "\"";
}

} // namespace

Severity SeverityOf(FindingKind kind) {
    return kind <= FindingKind::FieldTooLong ? Severity::Blocking : Severity::Warning;
}

std::string_view KindName(FindingKind kind) {
    switch (kind) {
    case FindingKind::CentreCode:
        return "codigo-centro";
    case FindingKind::AcademicYear:
        return "ano-academico";
    case FindingKind::TeacherWithoutDocument:
        return "profesor-sin-documento";
    case FindingKind::SubjectWithoutCode:
        return "asignatura-sin-codigo";
    case FindingKind::ActivityWithoutType:
        return "actividad-sin-tipo";
    case FindingKind::GroupWithoutCode:
        return "grupo-sin-codigo";
    case FindingKind::PupilsNotANumber:
        return "alumnos-no-numero";
    case FindingKind::BadTimes:
        return "horas-incorrectas";
    case FindingKind::FieldTooLong:
        return "campo-demasiado-largo";
    case FindingKind::TeacherOverlap:
        return "profesor-solapado";
    case FindingKind::GroupOverlap:
        return "grupo-solapado";
    case FindingKind::OutsideTemplate:
        return "fuera-de-plantilla";
    case FindingKind::NoPupils:
        return "cero-alumnos";
    case FindingKind::TeacherWithoutClasses:
        return "profesor-sin-clases";
    case FindingKind::SharedDocument:
        return "documento-repetido";
    case FindingKind::SubjectNotInCatalogue:
        return "asignatura-fuera-de-catalogo";
    case FindingKind::ActivityNotInCatalogue:
        return "actividad-fuera-de-catalogo";
    }
    return "";
}

std::string KindTitle(FindingKind kind) {
    switch (kind) {
    case FindingKind::CentreCode:
        return TV_TEXT("Comprobación", "código del centro");
    case FindingKind::AcademicYear:
        return TV_TEXT("Comprobación", "año académico");
    case FindingKind::TeacherWithoutDocument:
        return TV_TEXT("Comprobación", "profesores sin documento");
    case FindingKind::SubjectWithoutCode:
        return TV_TEXT("Comprobación", "asignaturas sin código");
    case FindingKind::ActivityWithoutType:
        return TV_TEXT("Comprobación", "actividades sin tipo");
    case FindingKind::GroupWithoutCode:
        return TV_TEXT("Comprobación", "grupos sin código");
    case FindingKind::PupilsNotANumber:
        return TV_TEXT("Comprobación", "números de alumnos que no son números");
    case FindingKind::BadTimes:
        return TV_TEXT("Comprobación", "horas incorrectas");
    case FindingKind::FieldTooLong:
        return TV_TEXT("Comprobación", "datos que no caben en su sitio");
    case FindingKind::TeacherOverlap:
        return TV_TEXT("Comprobación", "profesores en dos clases a la vez");
    case FindingKind::GroupOverlap:
        return TV_TEXT("Comprobación", "grupos en dos clases a la vez");
    case FindingKind::OutsideTemplate:
        return TV_TEXT("Comprobación", "clases fuera de la plantilla horaria");
    case FindingKind::NoPupils:
        return TV_TEXT("Comprobación", "grupos sin alumnos");
    case FindingKind::TeacherWithoutClasses:
        return TV_TEXT("Comprobación", "profesores sin clases");
    case FindingKind::SharedDocument:
        return TV_TEXT("Comprobación", "documentos repetidos");
    case FindingKind::SubjectNotInCatalogue:
        return TV_TEXT("Comprobación", "asignaturas fuera de la lista de DAE");
    case FindingKind::ActivityNotInCatalogue:
        return TV_TEXT("Comprobación", "actividades fuera de la lista de DAE");
    }
    return {};
}

Finding MoreOfKind(FindingKind kind, std::size_t more) {
    const Severity severity = SeverityOf(kind);
    std::string text =
        FormatText(severity == Severity::Blocking
                       ? TV_TEXT("Comprobación", "Y %1 errores más de este tipo (%2), que no se enumeran.")
                       : TV_TEXT("Comprobación", "Y %1 avisos más de este tipo (%2), que no se enumeran."),
                   {IntToStr(static_cast<long long>(more)), KindTitle(kind)});
    return {severity, kind, std::move(text), {}, 0, {}, {}, {}, more};
}

std::string SeverityWord(Severity severity) {
    return severity == Severity::Blocking ? TV_TEXT("Comprobación", "ERROR")
                                          : TV_TEXT("Comprobación", "AVISO");
}

bool HasBlocking(const std::vector<Finding>& findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding& f) { return f.severity == Severity::Blocking; });
}

std::size_t CountOf(const std::vector<Finding>& findings, Severity severity) {
    std::size_t count = 0;
    for (const Finding& f : findings)
        if (f.severity == severity) count += f.more == 0 ? 1 : f.more;
    return count;
}

std::string ReportLine(const Finding& finding) {
    return SeverityWord(finding.severity) + ": " + finding.text;
}

std::string ReportSummary(const std::vector<Finding>& findings) {
    if (findings.empty())
        return TV_TEXT("Comprobación", "Comprobación de fCUADROS.txt: sin errores ni avisos.");
    const std::size_t errors = CountOf(findings, Severity::Blocking);
    const std::size_t warnings = CountOf(findings, Severity::Warning);
    const std::string sentence =
        errors == 1
            ? (warnings == 1 ? TV_TEXT("Comprobación", "Comprobación de fCUADROS.txt: %1 error y %2 aviso.")
                             : TV_TEXT("Comprobación", "Comprobación de fCUADROS.txt: %1 error y %2 avisos."))
            : (warnings == 1
                   ? TV_TEXT("Comprobación", "Comprobación de fCUADROS.txt: %1 errores y %2 aviso.")
                   : TV_TEXT("Comprobación", "Comprobación de fCUADROS.txt: %1 errores y %2 avisos."));
    return FormatText(sentence,
                      {IntToStr(static_cast<long long>(errors)), IntToStr(static_cast<long long>(warnings))});
}

std::string ReportCsv(const std::vector<Finding>& findings) {
    // UTF-8 with its byte order mark, so that spreadsheets read the accents.
    std::string csv = "\xEF\xBB\xBF";
    csv += Cp1252ToUtf8(TV_TEXT("Comprobación", "Gravedad;Tipo;Descripción;Tabla;Registro")) + "\r\n";
    for (const Finding& f : findings) {
        csv += Quoted(Cp1252ToUtf8(SeverityWord(f.severity))) + ";" + Quoted(KindName(f.kind)) + ";" +
               Quoted(Cp1252ToUtf8(f.text)) + ";" + Quoted(f.table) + ";" +
               (f.record == 0 ? std::string() : IntToStr(f.record)) + "\r\n";
    }
    return csv;
}

void WriteReportCsv(const std::filesystem::path& file, const std::vector<Finding>& findings) {
    const std::string csv = ReportCsv(findings);
    tables::WriteFileAtomically(file,
                                std::span(reinterpret_cast<const std::uint8_t*>(csv.data()), csv.size()));
}

} // namespace tv::tablorix_to_dae
