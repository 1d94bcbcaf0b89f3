#include "dae_to_tablorix/unique_codes.h"

#include "tables/text.h"

#include <limits>

namespace tv::dae_to_tablorix {

std::string UniqueCodes::AppendSuffix(std::string_view base, long long suffix) {
    return std::string(base) + IntToStr(suffix);
}

UniqueCodes::UniqueCodes(LetterCase letterCase, Shape shape) : letterCase_(letterCase), shape_(shape) {}

// Case-insensitive sets compare the upper-case forms, which is what
// AnsiSameText compares.
std::string UniqueCodes::Key(std::string_view code) const {
    return letterCase_ == LetterCase::Insensitive ? AnsiUpperCase(code) : std::string(code);
}

bool UniqueCodes::Contains(std::string_view code) const {
    return codes_.contains(Key(code));
}

void UniqueCodes::Add(std::string_view code) {
    codes_.insert(Key(code));
}

std::string UniqueCodes::Take(std::string_view base) {
    if (Contains(base)) return TakeSuffixed(base);
    Add(base);
    return std::string(base);
}

std::string UniqueCodes::TakeSuffixed(std::string_view base) {
    return *TakeSuffixed(base, std::numeric_limits<long long>::max() - 1);
}

std::optional<std::string> UniqueCodes::TakeSuffixed(std::string_view base, long long maxSuffix) {
    // Bases equal but for letter case have candidates equal but for letter
    // case, so they share one counter.
    long long& next = nextSuffix_.try_emplace(Key(base), 1).first->second;
    for (; next <= maxSuffix; ++next) {
        std::string candidate = shape_(base, next);
        if (!Contains(candidate)) {
            Add(candidate);
            ++next;
            return candidate;
        }
    }
    return std::nullopt;
}

} // namespace tv::dae_to_tablorix
