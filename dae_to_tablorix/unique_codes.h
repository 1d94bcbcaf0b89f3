// The short codes a writer has given so far, and the suffix rule that keeps
// them from repeating: a repeated code gets the first free number 1, 2, 3, …
// appended (and, for some tables, shortened to fit its field).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace tv::dae_to_tablorix {

enum class LetterCase { Sensitive, Insensitive };

class UniqueCodes {
  public:
    // The candidate for `base` with number `suffix`.
    using Shape = std::string (*)(std::string_view base, long long suffix);

    static std::string AppendSuffix(std::string_view base, long long suffix);

    explicit UniqueCodes(LetterCase letterCase, Shape shape = &AppendSuffix);

    bool Contains(std::string_view code) const;
    void Add(std::string_view code);

    // `base` when it is free, else TakeSuffixed(base); the result is added.
    std::string Take(std::string_view base);
    // The first free Shape(base, n) for n = 1, 2, 3, …, added to the set.
    std::string TakeSuffixed(std::string_view base);
    // As TakeSuffixed, but gives up (nullopt) once n would pass `maxSuffix`.
    std::optional<std::string> TakeSuffixed(std::string_view base, long long maxSuffix);

  private:
    std::string Key(std::string_view code) const;

    LetterCase letterCase_;
    Shape shape_;
    std::unordered_set<std::string> codes_;
    // Per base, the smallest suffix not yet known to be taken. The set only
    // grows, so every smaller suffix stays taken and the search resumes here:
    // the result is the first free suffix without rescanning.
    std::unordered_map<std::string, long long> nextSuffix_;
};

} // namespace tv::dae_to_tablorix
