#include "common/ktemp.h"

#include "tables/path_text.h"
#include "tables/system_error_text.h"
#include "tables/table_error.h"
#include "tables/user_text.h"

#include <cstdlib>
#include <system_error>

namespace tv {
namespace {

std::filesystem::path& Override() {
    static std::filesystem::path folder;
    return folder;
}

std::filesystem::path DefaultFolder() {
#ifdef _WIN32
    // The root of the current drive.
    return std::filesystem::current_path().root_path() / "KTEMP";
#else
    if (const char* env = std::getenv("TRANSVELORADAE_KTEMP"); env && *env) return env;
    if (const char* home = std::getenv("HOME"); home && *home) return std::filesystem::path(home) / "KTEMP";
    return std::filesystem::current_path() / "KTEMP";
#endif
}

} // namespace

void SetKtempOverride(const std::filesystem::path& folder) {
    Override() = folder;
}

std::filesystem::path KtempFolder() {
    const std::filesystem::path folder = Override().empty() ? DefaultFolder() : Override();
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        std::filesystem::create_directories(folder, ec);
        if (ec)
            throw tables::TableError(
                FormatText(TV_TEXT("Tablas", "No se puede crear la carpeta de trabajo '%1': %2."),
                           {tables::PathText(folder), tables::SystemErrorText(ec)}));
    }
    return folder;
}

} // namespace tv
