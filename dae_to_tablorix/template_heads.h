// The heads of the templates in the template file, for daePLANTILLAS.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tv::dae_to_tablorix {

struct TemplateHead {
    std::string code; // positions 2-9, as read
    std::string name; // positions 10-59, as read
};

// Walks the first line of the template file: each head is followed by hour
// lines until the next record that starts with "1".
std::vector<TemplateHead> ListTemplateHeads(std::string_view line);

// Creates daePLANTILLAS anew in `ktemp` with one row per head.
void StoreTemplateHeads(const std::vector<TemplateHead>& heads, const std::filesystem::path& ktemp);

// The rows of daePLANTILLAS in table order, as read back (trailing blanks dropped).
std::vector<TemplateHead> ReadTemplateHeads(const std::filesystem::path& ktemp);

} // namespace tv::dae_to_tablorix
