// The study levels of the centre (daeNIVIMP) and the abbreviations kept for
// later runs (daeNIVIMP2, same fields).
#pragma once

#include "tablorix_schema/table_names.h"

#include <string_view>

namespace tv::dae_to_tablorix {

using schema::kLevelsTable;
using schema::kSavedLevelsTable;

} // namespace tv::dae_to_tablorix
