#include "tablorix_to_dae/table_snapshot.h"

#include "tables/atomic_file.h"
#include "tables/dbf_format.h"
#include "tables/file_names.h"
#include "tables/path_text.h"
#include "tables/system_error_text.h"
#include "tables/table_error.h"
#include "tables/user_text.h"

#include <fstream>

namespace tv::tablorix_to_dae {
namespace {

bool ProductionIndexFlag(const std::filesystem::path& dbf) {
    std::ifstream in(dbf, std::ios::binary);
    char header[tables::kProductionMdxFlagAt + 1] = {};
    return in.read(header, sizeof header) && header[tables::kProductionMdxFlagAt] != 0;
}

void SetProductionIndexFlag(const std::filesystem::path& dbf, bool on) {
    const std::uint8_t flag = on ? 1 : 0;
    tables::PatchFileInPlace(dbf, tables::kProductionMdxFlagAt, {&flag, 1});
}

} // namespace

TableSnapshot::TableSnapshot(const std::filesystem::path& folder, const std::vector<std::string>& tables) {
    for (const std::string& table : tables) {
        Table kept;
        kept.hadIndexFlag = ProductionIndexFlag(tables::ResolveFileName(folder, table + ".DBF"));
        for (File* file : {&kept.dbf, &kept.mdx}) {
            file->path = tables::ResolveFileName(folder, table + (file == &kept.dbf ? ".DBF" : ".MDX"));
            std::error_code ec;
            if (!std::filesystem::is_regular_file(file->path, ec)) continue;
            file->kept = file->path;
            file->kept += ".antes~";
            std::filesystem::remove(file->kept, ec);
            std::filesystem::create_hard_link(file->path, file->kept, ec);
            if (ec && !std::filesystem::copy_file(file->path, file->kept, ec))
                throw tables::TableError(
                    FormatText(TV_TEXT("Importar", "No se puede guardar una copia de '%1': %2."),
                               {tables::FileNameText(file->path), tables::SystemErrorText(ec)}));
        }
        tables_.push_back(std::move(kept));
    }
}

TableSnapshot::~TableSnapshot() {
    for (const Table& table : tables_)
        for (const File* file : {&table.dbf, &table.mdx}) {
            std::error_code ec;
            if (!file->kept.empty()) std::filesystem::remove(file->kept, ec);
        }
}

// Each pair goes back so that a kill half way never shows a .DBF that claims
// an index disagreeing with it: the current .DBF first stops claiming one,
// then the .MDX goes back, then the .DBF, and last its flag as it was.
void TableSnapshot::Restore() const {
    for (const Table& table : tables_) {
        try {
            std::error_code ec;
            if (std::filesystem::is_regular_file(table.dbf.path, ec) && ProductionIndexFlag(table.dbf.path))
                SetProductionIndexFlag(table.dbf.path, false);
            for (const File* file : {&table.mdx, &table.dbf}) {
                if (file->kept.empty())
                    tables::RemoveFileDurably(file->path);
                else
                    tables::RenameFileDurably(file->kept, file->path);
            }
            if (table.hadIndexFlag) SetProductionIndexFlag(table.dbf.path, true);
        } catch (const tables::TableError&) {
            // Restoring follows another failure, which is the one reported;
            // what is on disk is still a pair that agrees.
        }
    }
}

} // namespace tv::tablorix_to_dae
