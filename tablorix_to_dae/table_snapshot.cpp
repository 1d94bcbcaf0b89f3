#include "tablorix_to_dae/table_snapshot.h"

#include "tables/atomic_file.h"
#include "tables/file_names.h"

#include <fstream>
#include <iterator>

namespace tv::tablorix_to_dae {

TableSnapshot::TableSnapshot(const std::filesystem::path& folder, const std::vector<std::string>& tables) {
    for (const std::string& table : tables) {
        for (const char* extension : {".DBF", ".MDX"}) {
            File file{tables::ResolveFileName(folder, table + extension), std::nullopt};
            std::ifstream in(file.path, std::ios::binary);
            if (in) file.bytes.emplace(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            files_.push_back(std::move(file));
        }
    }
}

void TableSnapshot::Restore() const {
    for (const File& file : files_) {
        std::error_code ec;
        if (file.bytes)
            tables::WriteFileAtomically(file.path, *file.bytes);
        else
            std::filesystem::remove(file.path, ec);
    }
}

} // namespace tv::tablorix_to_dae
