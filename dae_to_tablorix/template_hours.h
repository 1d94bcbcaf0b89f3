// The hour lines of the chosen template, found in the first line of the
// template file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tv::dae_to_tablorix {

struct TemplateHours {
    std::string code;                    // positions 2-9 of the chosen head, as read
    std::vector<std::string_view> lines; // its 15-character hour lines, in file order
};

// `chosenCode` is compared, letter case counting, with each head's code
// without its trailing blanks. No match gives no lines. The views point into `line`.
TemplateHours FindTemplateHours(std::string_view line, std::string_view chosenCode);

} // namespace tv::dae_to_tablorix
