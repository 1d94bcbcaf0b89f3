// The study levels of the centre (daeNIVIMP) and the abbreviations kept for
// later runs (daeNIVIMP2, same fields).
#pragma once

#include <string_view>

namespace tv::dae_to_tablorix {

inline constexpr std::string_view kLevelsTable = "daeNIVIMP";
inline constexpr std::string_view kSavedLevelsTable = "daeNIVIMP2";

} // namespace tv::dae_to_tablorix
