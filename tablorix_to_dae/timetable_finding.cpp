#include "tablorix_to_dae/timetable_finding.h"

#include "tables/atomic_file.h"
#include "tables/cp1252.h"
#include "tables/text.h"

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

std::string_view KindTitle(FindingKind kind) {
    switch (kind) {
    case FindingKind::CentreCode:
        return "c\xF3"
               "digo del centro";
    case FindingKind::AcademicYear:
        return "a\xF1o acad\xE9mico";
    case FindingKind::TeacherWithoutDocument:
        return "profesores sin documento";
    case FindingKind::SubjectWithoutCode:
        return "asignaturas sin c\xF3"
               "digo";
    case FindingKind::ActivityWithoutType:
        return "actividades sin tipo";
    case FindingKind::GroupWithoutCode:
        return "grupos sin c\xF3"
               "digo";
    case FindingKind::PupilsNotANumber:
        return "n\xFAmeros de alumnos que no son n\xFAmeros";
    case FindingKind::BadTimes:
        return "horas incorrectas";
    case FindingKind::FieldTooLong:
        return "datos que no caben en su sitio";
    case FindingKind::TeacherOverlap:
        return "profesores en dos clases a la vez";
    case FindingKind::GroupOverlap:
        return "grupos en dos clases a la vez";
    case FindingKind::OutsideTemplate:
        return "clases fuera de la plantilla horaria";
    case FindingKind::NoPupils:
        return "grupos sin alumnos";
    case FindingKind::TeacherWithoutClasses:
        return "profesores sin clases";
    case FindingKind::SharedDocument:
        return "documentos repetidos";
    case FindingKind::SubjectNotInCatalogue:
        return "asignaturas fuera de la lista de DAE";
    case FindingKind::ActivityNotInCatalogue:
        return "actividades fuera de la lista de DAE";
    }
    return "";
}

Finding MoreOfKind(FindingKind kind, std::size_t more) {
    const Severity severity = SeverityOf(kind);
    std::string text = "Y " + IntToStr(static_cast<long long>(more)) +
                       (severity == Severity::Blocking ? " errores" : " avisos") + " m\xE1s de este tipo (" +
                       std::string(KindTitle(kind)) + "), que no se enumeran.";
    return {severity, kind, std::move(text), {}, 0, {}, {}, {}, more};
}

std::string_view SeverityWord(Severity severity) {
    return severity == Severity::Blocking ? "ERROR" : "AVISO";
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
    return std::string(SeverityWord(finding.severity)) + ": " + finding.text;
}

std::string ReportSummary(const std::vector<Finding>& findings) {
    if (findings.empty()) return "Comprobaci\xF3n de fCUADROS.txt: sin errores ni avisos.";
    const std::size_t errors = CountOf(findings, Severity::Blocking);
    const std::size_t warnings = CountOf(findings, Severity::Warning);
    return "Comprobaci\xF3n de fCUADROS.txt: " + IntToStr(static_cast<long long>(errors)) +
           (errors == 1 ? " error" : " errores") + " y " + IntToStr(static_cast<long long>(warnings)) +
           (warnings == 1 ? " aviso." : " avisos.");
}

std::string ReportCsv(const std::vector<Finding>& findings) {
    std::string csv = "\xEF\xBB\xBF";
    csv += "Gravedad;Tipo;Descripci\xC3\xB3n;Tabla;Registro\r\n";
    for (const Finding& f : findings) {
        csv += Quoted(SeverityWord(f.severity)) + ";" + Quoted(KindName(f.kind)) + ";" +
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
