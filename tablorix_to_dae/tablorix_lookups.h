// The Tablorix rows a class is joined with, each read once into a hash map:
// groups and subjects by their abbreviation (the first record in stored order
// wins, as a walk from the first record would find), periods by number.
#pragma once

#include "tablorix_to_dae/template_rows.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tv::tablorix_to_dae {

// Found by a view of the text, without a string built for each look-up. The
// texts are short codes, hashed eight bytes at a time: the general string
// hash costs more than the rest of a class's join.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const noexcept {
        constexpr std::uint64_t kMix = 0x9E3779B97F4A7C15u;
        std::uint64_t hash = text.size() * kMix;
        std::size_t at = 0;
        for (; at + 8 <= text.size(); at += 8) {
            std::uint64_t word;
            std::memcpy(&word, text.data() + at, 8);
            hash = (hash ^ word) * kMix;
            hash ^= hash >> 32;
        }
        std::uint64_t tail = 0;
        if (at < text.size()) std::memcpy(&tail, text.data() + at, text.size() - at);
        hash = (hash ^ tail) * kMix;
        return static_cast<std::size_t>(hash ^ hash >> 29);
    }
};
template <class Value> using ByText = std::unordered_map<std::string, Value, TextHash, std::equal_to<>>;

struct GroupCodes {
    std::string level;     // NIVELDAE
    std::string plan;      // PLANDAE
    std::string code;      // CODGRUDAE
    std::string alias;     // ALIASDAE
    std::string maxPupils; // MAXALUM as text
};

struct SubjectCodes {
    std::string code; // CODIGODAE
    std::string name; // NOMBRE
};

// GRUPOST by ABREV.
ByText<GroupCodes> ReadGroups(const std::filesystem::path& ktemp);
// ASIGNOMT by COD.
ByText<SubjectCodes> ReadSubjects(const std::filesystem::path& ktemp);
// PLANTILLA by period (the first row in HORA order when a period repeats).
std::unordered_map<int, TemplateRow> ReadPeriods(const std::filesystem::path& ktemp);

} // namespace tv::tablorix_to_dae
