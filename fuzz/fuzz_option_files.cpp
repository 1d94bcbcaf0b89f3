// Feeds arbitrary bytes to the readers of the files a user or Tablorix hands
// us: the --niveles and --documentos files of the command line and the
// window program's Tablorix.ini updater. Each must answer with data or an
// error, never a crash or undefined behaviour.
//
// Input: the first byte picks the reader, the rest is the file.
#include "fuzz/fuzz_support.h"

#include "app/tablorix_ini.h"
#include "cli/documents_csv.h"
#include "cli/levels_csv.h"

#include <exception>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::span<const std::uint8_t> content(data + 1, size - 1);
    const auto file = tv::fuzz::ScratchFolder() / "opciones.csv";
    try {
        switch (data[0] % 3) {
        case 0:
            tv::fuzz::WriteFile(file, content);
            (void)tv::cli::ReadLevelsCsv(file);
            break;
        case 1:
            tv::fuzz::WriteFile(file, content);
            (void)tv::cli::ReadDocumentsCsv(file);
            break;
        default:
            (void)tv::app::SetProfileString(
                std::string_view(reinterpret_cast<const char*>(content.data()), content.size()),
                tv::app::kResultSection, tv::app::kResultKey, "1");
            break;
        }
    } catch (const std::exception&) {
    }
    return 0;
}
