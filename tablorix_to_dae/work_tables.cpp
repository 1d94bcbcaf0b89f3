#include "tablorix_to_dae/work_tables.h"

#include "tables/dbf_format.h"
#include "tables/file_names.h"
#include "tables/path_text.h"
#include "tables/table_error.h"
#include "tables/text.h"
#include "tablorix_to_dae/table_snapshot.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

namespace tv::tablorix_to_dae {
namespace {

using tables::FieldKind;

tables::FieldDecl Text(const char* name, int width) {
    return {name, FieldKind::String, width};
}

} // namespace

tables::TableDecl CuadroH2Declaration() {
    tables::TableDecl decl;
    decl.fields = {
        Text("TIPREG", 1),    Text("TIPDOC", 4),        Text("ABREVPROF", 10), Text("DOC", 15),
        Text("NUMSESION", 2), Text("DIASEM", 1),        Text("TIPTAR", 4),     Text("HORAINI", 5),
        Text("HORAFIN", 5),   Text("GRUPNIV", 4),       Text("ABREVASIG", 10), Text("CODASIG", 8),
        Text("NOMASIG", 80),  Text("TIPASIG", 4),       Text("IDIOMA", 2),     Text("AULA_OBS", 30),
        Text("TIP_ACTIV", 4), Text("PROF_DIA_SES", 13), Text("DIA_SES", 3),    Text("PLAN", 4),
        Text("REG_MOD", 1),
    };
    decl.indexes = {"ABREVPROF", "DOC", "PROF_DIA_SES", "DIA_SES"};
    return decl;
}

tables::TableDecl CuadroH3Declaration() {
    tables::TableDecl decl;
    decl.fields = {
        Text("TIPREG", 1),     Text("ABREVGRUP", 10),    Text("CODGRUPO", 8),
        Text("TIPDOC", 4),     Text("ABREVPROF", 10),    Text("DOC", 15),
        Text("NUMSESGRUP", 2), Text("DIASEM", 1),        Text("NUMALUM", kNumberOfPupilsWidth),
        Text("ALIASDAE", 50),  Text("PROF_DIA_SES", 13), Text("REG_MOD", 1),
    };
    decl.indexes = {"ABREVPROF", "DOC", "PROF_DIA_SES"};
    return decl;
}

void CreaCuadrosHorarios(const std::filesystem::path& ktemp) {
    tables::Table::Create(ktemp, kCuadroH2, CuadroH2Declaration());
    tables::Table::Create(ktemp, kCuadroH3, CuadroH3Declaration());
}

namespace {

// NUMALUM's width as the header of CUADROH3 declares it (0 without the
// field), read without the table's rows; nullopt when the header cannot be
// read, so that opening the table says why.
std::optional<int> NumberOfPupilsWidth(const std::filesystem::path& ktemp) {
    const std::filesystem::path file = tables::ResolveFileName(ktemp, std::string(kCuadroH3) + ".DBF");
    std::ifstream in(file, std::ios::binary);
    std::vector<std::uint8_t> header(32);
    if (!in.read(reinterpret_cast<char*>(header.data()), static_cast<std::streamsize>(header.size())))
        return std::nullopt;
    header.resize(std::max<std::size_t>(header.size(), header[8] | header[9] << 8));
    if (!in.read(reinterpret_cast<char*>(header.data()) + 32,
                 static_cast<std::streamsize>(header.size() - 32)))
        return std::nullopt;
    try {
        for (const tables::DbfField& field :
             tables::ParseDbfHeaderAlone(header, tables::FileNameText(file)).fields)
            if (AnsiSameText(field.name, "NUMALUM")) return field.length;
        return 0;
    } catch (const tables::TableError&) {
        return std::nullopt;
    }
}

} // namespace

bool WidenNumberOfPupils(const std::filesystem::path& ktemp) {
    // Most tables are wide already: their rows are not read for that.
    if (const std::optional<int> width = NumberOfPupilsWidth(ktemp);
        width && (*width == 0 || *width >= kNumberOfPupilsWidth))
        return false;
    const tables::TableDecl decl = CuadroH3Declaration();
    std::vector<std::vector<tables::FieldValue>> records;
    {
        tables::Table old;
        old.Open(ktemp, kCuadroH3, tables::OpenMode::Exclusive);
        const int numalum = old.FieldIndex("NUMALUM");
        if (numalum < 0 || old.Fields()[static_cast<std::size_t>(numalum)].length >= kNumberOfPupilsWidth)
            return false;
        // Fields by name, so that a table with its fields in another order keeps its values.
        for (old.First(); !old.Eof(); old.Next()) {
            std::vector<tables::FieldValue> values;
            for (const auto& field : decl.fields)
                values.emplace_back(old.FieldIndex(field.name) < 0 ? std::string()
                                                                   : old.AsString(field.name));
            records.push_back(std::move(values));
        }
    }
    const TableSnapshot before(ktemp, {std::string(kCuadroH3)});
    RunRestoringOnFailure(before, [&] {
        tables::Table::Create(ktemp, kCuadroH3, decl);
        tables::Table wide;
        wide.Open(ktemp, kCuadroH3, tables::OpenMode::Exclusive);
        for (const auto& values : records)
            wide.AppendRecord(values);
        wide.Close();
    });
    return true;
}

std::string ClassKey(std::string_view teacher, int day, int period) {
    // Decimal digits as IntToStr writes them, without a string apiece: this
    // runs twice for every class of a timetable.
    char dayDigits[16];
    char periodDigits[16];
    const char* dayEnd = std::to_chars(std::begin(dayDigits), std::end(dayDigits), day).ptr;
    const char* periodEnd = std::to_chars(std::begin(periodDigits), std::end(periodDigits), period).ptr;
    const auto periodLength = static_cast<std::size_t>(periodEnd - periodDigits);
    std::string key;
    key.reserve(10 + sizeof dayDigits + periodLength + 1);
    key.append(teacher.substr(0, 10));
    key.resize(10, ' ');
    key.append(dayDigits, static_cast<std::size_t>(dayEnd - dayDigits));
    if (periodLength != 2) key += '0';
    key.append(periodDigits, periodLength);
    return key;
}

void StoreClassKey(char* out, std::string_view teacher, int day, int period) {
    // Nearly every class has a one-digit day and a period under 100: those are
    // placed digit by digit; any other takes the general text.
    if (day < 1 || day > 9 || period < 0 || period > 99) {
        const std::string key = ClassKey(teacher, day, period);
        std::copy_n(key.begin(), std::min(key.size(), kKeyWidth), out);
        std::fill(out + std::min(key.size(), kKeyWidth), out + kKeyWidth, ' ');
        return;
    }
    const std::size_t used = std::min<std::size_t>(teacher.size(), 10);
    std::copy_n(teacher.begin(), used, out);
    std::fill(out + used, out + 10, ' ');
    out[10] = static_cast<char>('0' + day);
    out[11] = static_cast<char>('0' + period / 10);
    out[12] = static_cast<char>('0' + period % 10);
}

} // namespace tv::tablorix_to_dae
