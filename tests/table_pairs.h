// Checks that every table of a folder is whole and agrees with its index, as
// another program would find it after a failure or a kill: each .DBF parses
// and holds all its rows, and every .MDX the .DBF claims (its production-index
// flag) has, in each tag, one key per row equal to the row's value.
#pragma once

#include "tables/dbf_format.h"
#include "tables/mdx_file.h"
#include "tables/table_data.h"
#include "tables/table_error.h"
#include "tests/test_support.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

namespace tv::test {

inline bool HasExtension(const std::filesystem::path& file, const std::string& extension) {
    std::string ext = file.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::toupper(c); });
    return ext == extension;
}

// Empty when the table is consistent; otherwise what is wrong.
inline std::string TablePairProblem(const std::filesystem::path& dbf) {
    using namespace tv::tables;
    const std::string name = dbf.filename().string();
    try {
        const std::vector<std::uint8_t> bytes = ReadBytes(dbf);
        const DbfHeader header = ParseDbfHeader(bytes, name);
        const std::size_t needed =
            header.headerLength + std::size_t{header.recordCount} * header.recordLength;
        if (bytes.size() < needed) return name + ": rows cut short";
        if (!header.productionMdx) return {};
        std::filesystem::path mdx = dbf;
        mdx.replace_extension(dbf.extension() == ".dbf" ? ".mdx" : ".MDX");
        if (!std::filesystem::exists(mdx)) return name + ": claims an index file that is missing";
        const std::vector<std::uint8_t> index = ReadBytes(mdx);
        const MdxInfo info = ReadMdx(index, mdx.filename().string());
        for (const MdxTag& tag : info.tags) {
            const auto field = std::find_if(header.fields.begin(), header.fields.end(),
                                            [&](const DbfField& f) { return f.name == tag.expression; });
            if (field == header.fields.end()) continue; // an expression tag; not ours to check
            RecordOrder rows(*field, static_cast<int>(field - header.fields.begin()));
            for (std::uint32_t r = 0; r < header.recordCount; ++r)
                rows.Add(r + 1, reinterpret_cast<const char*>(bytes.data()) + header.headerLength +
                                    std::size_t{r} * header.recordLength);
            std::vector<IndexEntry> expected = rows.Entries();
            std::vector<IndexEntry> found = WalkMdxTag(index, tag, mdx.filename().string());
            const auto byRecord = [](const IndexEntry& a, const IndexEntry& b) {
                return a.second < b.second;
            };
            std::sort(expected.begin(), expected.end(), byRecord);
            std::sort(found.begin(), found.end(), byRecord);
            if (found.size() != expected.size())
                return name + " tag " + tag.name + ": " + std::to_string(found.size()) + " keys for " +
                       std::to_string(expected.size()) + " rows";
            if (found != expected) return name + " tag " + tag.name + ": keys differ from the rows";
        }
    } catch (const TableError& error) {
        return name + ": " + error.what();
    }
    return {};
}

// The problems of every table in `folder`, one a line; empty when all agree.
inline std::string TablePairProblems(const std::filesystem::path& folder) {
    std::string problems;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file() && HasExtension(entry.path(), ".DBF"))
            if (std::string problem = TablePairProblem(entry.path()); !problem.empty())
                problems += problem + "\n";
    return problems;
}

} // namespace tv::test
