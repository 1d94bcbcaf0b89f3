// Writes the DAE folder of a large fictional centre, to time `exportar` on it:
// the nine code lists, profesorado.txt, AULAS.txt, GRUPOS.txt,
// V55T15W18T54_2.txt and PLANTILLAS.txt (two templates), all Windows-1252,
// plus niveles.csv with an abbreviation for every study level.
//
//   generate_large_centre DIR [--teachers N] [--groups N] [--assignments N]
//
// Defaults: 3,000 teachers, 1,500 groups, 30,000 assignment lines. The output
// depends only on the counts. Names repeat on purpose, so that the
// unique-code rules (initials, room codes, subject short codes) do real work.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Counts {
    int teachers = 3000;
    int groups = 1500;
    int assignments = 30000;
};

// One fixed-length record, blank-filled, with texts at 1-based positions.
class Record {
  public:
    explicit Record(std::size_t length) : text_(length, ' ') {}
    Record& Put(std::size_t position, std::string_view value, std::size_t width) {
        text_.replace(position - 1, std::min(width, value.size()), value.substr(0, width));
        return *this;
    }
    const std::string& str() const { return text_; }

  private:
    std::string text_;
};

std::string Padded(long long number, int width) {
    std::string digits = std::to_string(number);
    return std::string(digits.size() < static_cast<std::size_t>(width) ? width - digits.size() : 0, '0') +
           digits;
}

void WriteLine(const std::filesystem::path& file, const std::string& line) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << line << "\r\n";
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

// Windows-1252 texts: accented letters as bytes.
const std::vector<std::string> kSurnames = {"GARC\xCD"
                                            "A",
                                            "L\xD3PEZ",
                                            "ETXEBERRIA",
                                            "GOIKOETXEA",
                                            "MART\xCDNEZ",
                                            "URIBE",
                                            "AGIRRE",
                                            "IBA\xD1"
                                            "EZ",
                                            "ZUBIZARRETA",
                                            "L\xC1ZARO",
                                            "MUGIKA",
                                            "S\xC1NCHEZ",
                                            "ARANA",
                                            "BILBAO",
                                            "ELORZA",
                                            "GIL"};
const std::vector<std::string> kGivenNames = {"ANA",
                                              "JON",
                                              "MIREN",
                                              "IKER",
                                              "LUC\xCD"
                                              "A",
                                              "ANDONI",
                                              "AINHOA",
                                              "JOS\xC9",
                                              "NEREA",
                                              "ASIER",
                                              "M\xD3NICA",
                                              "UNAI"};
const std::vector<std::string> kDepartments = {"MATEM\xC1TICAS",
                                               "LENGUA CASTELLANA",
                                               "EUSKARA",
                                               "INGL\xC9S",
                                               "CIENCIAS NATURALES",
                                               "GEOGRAF\xCD"
                                               "A E HISTORIA",
                                               "EDUCACI\xD3N F\xCDSICA",
                                               "TECNOLOG\xCD"
                                               "A"};

constexpr int kLevels = 20;
constexpr int kPlans = 3;
constexpr int kSpecialities = 5;
constexpr int kSubjects = 600;
constexpr int kRooms = 400;

std::string LevelCode(int level) {
    return Padded(level + 1, 4);
}
std::string PlanCode(int plan) {
    return Padded(plan + 1, 4);
}
std::string SpecialityCode(int speciality) {
    return Padded(speciality + 1, 4);
}
std::string SubjectCode(int subject) {
    return Padded(subject + 1, 4) + "ASG" + static_cast<char>('A' + subject % 26);
}

void WriteCodeLists(const std::filesystem::path& dir) {
    std::string line;
    for (int i = 0; i < 40; ++i)
        line += Record(508)
                    .Put(1, i % 5 == 4 ? "X" : (i % 2 ? "N" : "L"), 1)
                    .Put(2, Padded(100 + i, 4), 4)
                    .Put(6, "N", 1)
                    .Put(7, "Tarea lectiva " + std::to_string(i), 250)
                    .Put(257, "Eskola-lana " + std::to_string(i), 250)
                    .Put(507, "S", 1)
                    .Put(508, i % 3 ? "N" : "S", 1)
                    .str();
    WriteLine(dir / "T13.txt", line);

    line.clear();
    for (int level = 0; level < kLevels; ++level)
        for (int course = 1; course <= 4; ++course)
            line += Record(128)
                        .Put(1, LevelCode(level) + PlanCode(0) + Padded(course, 4), 12)
                        .Put(13, LevelCode(level), 4)
                        .Put(17, SpecialityCode(0), 4)
                        .Put(21, "0001", 4)
                        .Put(25, Padded(course, 4), 4)
                        .Put(29, std::to_string(course) + "\xBA curso", 50)
                        .Put(79, std::to_string(course) + ". maila", 50)
                        .str();
    WriteLine(dir / "V55T12.txt", line);

    line.clear();
    for (const char* model : {"A", "B", "D"})
        line += Record(34)
                    .Put(1, model, 4)
                    .Put(5, std::string("Modelo ") + model, 15)
                    .Put(20, std::string(model) + " eredua", 15)
                    .str();
    WriteLine(dir / "V55T35.txt", line);

    // Short codes repeat every 150 subjects; every seventh subject has none,
    // so its code comes from the initials of its name.
    line.clear();
    for (int s = 0; s < kSubjects; ++s) {
        const std::string shortCode = s % 7 == 0 ? "" : "A" + Padded(s % 150, 3);
        line += Record(260)
                    .Put(1, SubjectCode(s), 8)
                    .Put(9,
                         "Asignatura de Ciencias y Tecnolog\xED"
                         "a n\xBA " +
                             std::to_string(s),
                         100)
                    .Put(109, "Zientzia eta Teknologia ikasgaia " + std::to_string(s), 100)
                    .Put(209, "Asignatura " + std::to_string(s), 20)
                    .Put(229, "Ikasgaia " + std::to_string(s), 20)
                    .Put(249, shortCode, 4)
                    .Put(253, shortCode, 4)
                    .Put(257, "0001", 4)
                    .str();
    }
    WriteLine(dir / "V55T15W18T54_1.txt", line);

    line.clear();
    for (int i = 0; i < 20; ++i)
        line += Record(243)
                    .Put(1, Padded(i + 1, 3), 3)
                    .Put(4, "Otra actividad " + std::to_string(i), 100)
                    .Put(104, "Beste jarduera " + std::to_string(i), 100)
                    .Put(204, "Actividad " + std::to_string(i), 20)
                    .Put(224, "Jarduera " + std::to_string(i), 20)
                    .str();
    WriteLine(dir / "T07.txt", line);

    line.clear();
    for (const char* type : {"DNI", "NIE", "PAS"})
        line += Record(204)
                    .Put(1, type, 4)
                    .Put(5, std::string("Documento ") + type, 100)
                    .Put(105, std::string("Agiria ") + type, 100)
                    .str();
    WriteLine(dir / "V55T86.txt", line);

    line.clear();
    for (int level = 0; level < kLevels; ++level)
        line += Record(148)
                    .Put(1, LevelCode(level), 4)
                    .Put(5, PlanCode(level % kPlans), 4)
                    .Put(9, "Nivel de estudios " + std::to_string(level), 50)
                    .Put(59, "Ikasketa maila " + std::to_string(level), 50)
                    .Put(109, "Nivel " + std::to_string(level), 20)
                    .Put(129, "Maila " + std::to_string(level), 20)
                    .str();
    WriteLine(dir / "V55T11.txt", line);

    line.clear();
    for (int sp = 0; sp < kSpecialities; ++sp)
        line += Record(104)
                    .Put(1, SpecialityCode(sp), 4)
                    .Put(5, "Especialidad " + std::to_string(sp), 50)
                    .Put(55, "Espezialitatea " + std::to_string(sp), 50)
                    .str();
    WriteLine(dir / "V55T14.txt", line);

    line.clear();
    for (const char* language : {"ES", "EU", "EN", "FR"})
        line += Record(210)
                    .Put(1, language, 2)
                    .Put(3, std::string("Idioma ") + language, 100)
                    .Put(103, std::string("Hizkuntza ") + language, 100)
                    .Put(203, language, 4)
                    .Put(207, language, 4)
                    .str();
    WriteLine(dir / "T55.txt", line);

    // The abbreviations the user would type, one per level, none repeated.
    std::ofstream csv(dir / "niveles.csv", std::ios::binary | std::ios::trunc);
    for (int level = 0; level < kLevels; ++level)
        csv << LevelCode(level) << ";N" << Padded(level, 2) << ";M" << Padded(level, 2) << "\n";
}

void WriteTemplates(const std::filesystem::path& dir) {
    std::string line;
    for (const char* code : {"PLANT001", "PLANT002"}) {
        line += Record(59).Put(1, "1", 1).Put(2, code, 8).Put(10, std::string("Horario ") + code, 50).str();
        for (int day = 1; day <= 5; ++day)
            for (int hour = 1; hour <= 6; ++hour) {
                const int start = 8 * 60 + 30 + (hour - 1) * 60;
                const auto time = [](int minutes) {
                    return Padded(minutes / 60, 2) + ":" + Padded(minutes % 60, 2);
                };
                line += Record(15)
                            .Put(1, "2", 1)
                            .Put(2, Padded(hour, 2), 2)
                            .Put(4, std::to_string(day), 1)
                            .Put(5, time(start), 5)
                            .Put(10, time(start + 55), 5)
                            .Put(15, hour == 4 ? "1" : "0", 1)
                            .str();
            }
    }
    WriteLine(dir / "PLANTILLAS.txt", line);
}

std::string Document(int teacher) {
    static const char letters[] = "TRWAGMYFPDXBNJZSQVHLCKE";
    const int number = 10000000 + teacher * 7919 % 89999999;
    return std::to_string(number) + letters[number % 23];
}

void WriteTeachers(const std::filesystem::path& dir, int teachers, std::mt19937& random) {
    std::string line = "1PR012345"
                       "2024";
    line.reserve(line.size() + static_cast<std::size_t>(teachers) * 578);
    for (int t = 0; t < teachers; ++t)
        line += Record(578)
                    .Put(3, "DNI", 4)
                    .Put(7, Document(t), 15)
                    .Put(22, kSurnames[random() % kSurnames.size()], 50)
                    .Put(72, kSurnames[random() % kSurnames.size()], 50)
                    .Put(122, kGivenNames[random() % kGivenNames.size()], 30)
                    .Put(161, kDepartments[random() % kDepartments.size()], 150)
                    .str();
    WriteLine(dir / "profesorado.txt", line);
}

std::string RoomCode(int room) {
    return "AULA" + Padded(room % (kRooms / 2), 3);
} // each code twice

void WriteRooms(const std::filesystem::path& dir) {
    std::string line;
    for (int r = 0; r < kRooms; ++r)
        line += Record(61)
                    .Put(1, RoomCode(r), 8)
                    .Put(9, "Aula n\xBA " + std::to_string(r), 50)
                    .Put(59, Padded(20 + r % 15, 3), 3)
                    .str();
    WriteLine(dir / "AULAS.txt", line);
}

// The plan, level and speciality of group g; assignments use the same ones.
struct Combination {
    int level, plan, speciality;
};
Combination CombinationOf(int index) {
    return {index % kLevels, (index / kLevels) % kPlans, (index / (kLevels * kPlans)) % kSpecialities};
}
constexpr int kCombinations = kLevels * kPlans * kSpecialities;

void WriteGroups(const std::filesystem::path& dir, int groups, int teachers) {
    std::string line = "1GR012345"
                       "2024";
    for (int g = 0; g < groups; ++g) {
        const Combination c = CombinationOf(g);
        const int course = 1 + (g / kCombinations) % 4;
        line += Record(547)
                    .Put(1, "2", 1)
                    .Put(2, "G" + Padded(g, 7), 8)
                    .Put(10, std::to_string(course) + "\xBA " + static_cast<char>('A' + g % 6), 50)
                    .Put(60, PlanCode(c.plan), 4)
                    .Put(64, LevelCode(c.level), 4)
                    .Put(68, SpecialityCode(c.speciality), 4)
                    .Put(72, Padded(1 + g % 4, 4), 4)
                    .Put(76, Padded(course, 4), 4)
                    .Put(80, "D", 4)
                    .Put(84, "0001", 4)
                    .Put(88, "PLANT001", 8)
                    .Put(96, "DNI", 4)
                    .Put(100, g % 10 == 9 ? "" : Document((g * 13) % teachers), 15)
                    .Put(286, Padded(20 + g % 10, 4), 4)
                    .Put(290, "Grupo " + std::to_string(g), 50)
                    .Put(540, RoomCode(g % kRooms), 8)
                    .str();
        for (int pupil = 0; pupil < g % 4; ++pupil)
            line += Record(23).Put(1, "3", 1).Put(2, "ALU" + Padded(pupil, 5), 22).str();
    }
    WriteLine(dir / "GRUPOS.txt", line);
}

void WriteSubjectLines(const std::filesystem::path& dir, int lines) {
    std::string line;
    line.reserve(static_cast<std::size_t>(lines) * 20);
    for (int i = 0; i < lines; ++i) {
        const Combination c = CombinationOf(i % kCombinations);
        const int subject = (i / kCombinations * 7 + i) % kSubjects;
        line += LevelCode(c.level) + PlanCode(c.plan) + SpecialityCode(c.speciality) + SubjectCode(subject);
    }
    WriteLine(dir / "V55T15W18T54_2.txt", line);
}

int Usage() {
    std::cerr << "usage: generate_large_centre DIR [--teachers N] [--groups N] [--assignments N]\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::filesystem::path dir = argv[1];
    Counts counts;
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const int value = std::atoi(argv[i + 1]);
        if (value <= 0) return Usage();
        if (option == "--teachers")
            counts.teachers = value;
        else if (option == "--groups")
            counts.groups = value;
        else if (option == "--assignments")
            counts.assignments = value;
        else
            return Usage();
    }
    if (argc % 2 != 0) return Usage();
    try {
        std::filesystem::create_directories(dir);
        std::mt19937 random(20240901);
        WriteCodeLists(dir);
        WriteTemplates(dir);
        WriteTeachers(dir, counts.teachers, random);
        WriteRooms(dir);
        WriteGroups(dir, counts.groups, counts.teachers);
        WriteSubjectLines(dir, counts.assignments);
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    std::cout << "DAE folder written to " << dir.string() << " (" << counts.teachers << " teachers, "
              << counts.groups << " groups, " << counts.assignments
              << " assignment lines); level abbreviations in niveles.csv\n";
    return 0;
}
