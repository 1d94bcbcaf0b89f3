// Fills one catalogue table from the first line of its DAE file.
#pragma once

#include "dae_to_tablorix/catalogue_files.h"

#include <filesystem>
#include <string_view>

namespace tv::dae_to_tablorix {

// Creates the catalogue's table anew in `ktemp` and appends one row per kept
// record of `line`, in file order, every field stripped of blanks at both ends.
void LoadCatalogue(const CatalogueFile& catalogue, std::string_view line, const std::filesystem::path& ktemp);

} // namespace tv::dae_to_tablorix
