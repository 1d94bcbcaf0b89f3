#include "tablorix_to_dae/table_snapshot.h"

#include "tables/file_names.h"
#include "tables/table_error.h"

namespace tv::tablorix_to_dae {

TableSnapshot::TableSnapshot(const std::filesystem::path& folder, const std::vector<std::string>& tables) {
    for (const std::string& table : tables) {
        for (const char* extension : {".DBF", ".MDX"}) {
            File file{tables::ResolveFileName(folder, table + extension), {}};
            std::error_code ec;
            if (std::filesystem::is_regular_file(file.path, ec)) {
                file.kept = file.path;
                file.kept += ".antes~";
                std::filesystem::remove(file.kept, ec);
                std::filesystem::create_hard_link(file.path, file.kept, ec);
                if (ec && !std::filesystem::copy_file(file.path, file.kept, ec))
                    throw tables::TableError("No se puede guardar una copia de '" +
                                             file.path.filename().string() + "': " + ec.message());
            }
            files_.push_back(std::move(file));
        }
    }
}

TableSnapshot::~TableSnapshot() {
    for (const File& file : files_) {
        std::error_code ec;
        if (!file.kept.empty()) std::filesystem::remove(file.kept, ec);
    }
}

void TableSnapshot::Restore() const {
    for (const File& file : files_) {
        std::error_code ec;
        if (file.kept.empty())
            std::filesystem::remove(file.path, ec);
        else
            std::filesystem::rename(file.kept, file.path, ec);
    }
}

} // namespace tv::tablorix_to_dae
