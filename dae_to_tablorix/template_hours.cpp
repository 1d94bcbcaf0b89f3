#include "dae_to_tablorix/template_hours.h"

#include "dae_to_tablorix/template_file.h"
#include "tables/text.h"

namespace tv::dae_to_tablorix {

TemplateHours FindTemplateHours(std::string_view line, std::string_view chosenCode) {
    TemplateHours result;
    const std::size_t n = line.size();
    std::size_t p = 1;
    while (p <= n) {
        const std::string_view head = Cut(line, p, kTemplateHeadLength);
        p += kTemplateHeadLength;
        const bool chosen = head.front() == '1' && TrimTrailing(Cut(head, 2, 8)) == chosenCode;
        if (chosen) result.code = std::string(Cut(head, 2, 8));
        // The hour lines run up to the next record that starts with "1". A
        // head at the very end of the line has none.
        while (p <= n) {
            const std::string_view hourLine = Cut(line, p, kHourLineLength);
            if (hourLine.front() == '1') break;
            p += kHourLineLength;
            if (chosen) result.lines.push_back(hourLine);
            if (p >= n) break;
        }
    }
    return result;
}

} // namespace tv::dae_to_tablorix
