#include "tables/index_key.h"
#include "tables/mdx_file.h"
#include "tables/table_error.h"
#include "tests/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace tv::tables {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t U32(const Bytes& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}
std::uint16_t U16(const Bytes& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}
void PutU32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}
std::size_t PageAt(std::uint32_t page) {
    return static_cast<std::size_t>(page) * 512;
}

bool InIndexOrder(const MdxTag& tag, const IndexEntry& a, const IndexEntry& b) {
    int c = CompareIndexKeys(tag.keyType, a.first, b.first);
    if (tag.descending) c = -c;
    return c < 0 || (c == 0 && a.second < b.second); // ties by record number, in both directions
}

void ExpectIndexOrder(const MdxTag& tag, const std::vector<IndexEntry>& entries) {
    for (std::size_t i = 1; i < entries.size(); ++i)
        ASSERT_TRUE(InIndexOrder(tag, entries[i - 1], entries[i])) << tag.name << ", entry " << i;
}

std::string Trimmed(std::string text) {
    return text.erase(text.find_last_not_of(' ') + 1);
}

// ---- The sample files -----------------------------------------------------------------

struct ExpectedTag {
    std::string name;
    char keyType;
    int keyLength;
    std::string expression;
    std::size_t keys;
    bool descending = false;
    bool unique = false;
};

struct SampleFile {
    std::string path; // under the shared fixtures
    int version;
    std::string tableName;
    std::uint8_t languageDriver;
    std::vector<ExpectedTag> tags;
};

void PrintTo(const SampleFile& sample, std::ostream* out) {
    *out << sample.path;
}

class MdxSample : public testing::TestWithParam<SampleFile> {};

TEST_P(MdxSample, ReadsTagsAndWalksThemInKeyOrder) {
    const SampleFile& sample = GetParam();
    TV_REQUIRE_SHARED(sample.path);
    const Bytes file = test::ReadBytes(test::SharedFixture(sample.path));

    const MdxInfo info = ReadMdx(file, "X.MDX");
    EXPECT_EQ(info.version, sample.version);
    EXPECT_EQ(info.tableName, sample.tableName);
    EXPECT_EQ(info.languageDriver, sample.languageDriver);
    ASSERT_EQ(info.tags.size(), sample.tags.size());
    for (std::size_t t = 0; t < sample.tags.size(); ++t) {
        const MdxTag& tag = info.tags[t];
        const ExpectedTag& expected = sample.tags[t];
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(tag.name, expected.name);
        EXPECT_EQ(tag.keyType, expected.keyType);
        EXPECT_EQ(tag.keyLength, expected.keyLength);
        EXPECT_EQ(tag.expression, expected.expression);
        EXPECT_EQ(tag.descending, expected.descending);
        EXPECT_EQ(tag.unique, expected.unique);
        EXPECT_FALSE(tag.hasForFilter);

        const std::vector<IndexEntry> entries = WalkMdxTag(file, tag, "X.MDX");
        EXPECT_EQ(entries.size(), expected.keys);
        ExpectIndexOrder(tag, entries);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, MdxSample,
    testing::Values(SampleFile{"dbf/tdbf/tdbf_demo.mdx", 2, "TDBF_DEM", 0x58, {{"ID", 'C', 3, "ID", 17}}},
                    // Three levels: root, interior nodes, 74 leaves; one deleted record included.
                    SampleFile{"dbf/tdbf/disco.mdx", 2, "disco", 0x00, {{"AUTHOR", 'C', 20, "AUTHOR", 1561}}},
                    SampleFile{
                        "dbf/level7/engineer.MDX",
                        3,
                        "ENGINEER",
                        0x00,
                        {{"ENGINEER_NO", '+', 4, "Engineer_No", 6}, {"LASTNAME", 'C', 20, "LastName", 6}}},
                    SampleFile{"dbf/level7/qaid.MDX",
                               3,
                               "QAID",
                               0x00,
                               {{"IMPORTANCE_ENGINEER", 'C', 20, "STR(Importance)+STR(Engineer_No)", 18},
                                {"IMPORTANCE", 'N', 12, "Importance", 18},
                                {"ENGINEER_NO", 'N', 12, "Engineer_No", 18},
                                {"QAID_NO", '+', 4, "QAID_No", 18},
                                {"ENGINEER_IMPORTANCE", 'C', 20, "STR(Engineer_No)+STR(Importance)", 18}}},
                    // Another writer: a descending N tag over two levels and a unique D tag.
                    SampleFile{"dbf/xbase64-generated/TMDXDB01.MDX",
                               2,
                               "TMDXDB01",
                               0x1B,
                               {{"ZIP_TAG", 'N', 12, "ZIP", 981, true, false},
                                {"DATE_TAG", 'D', 8, "DATE1", 490, false, true}}}));

TEST(MdxFile, DbaseLevel7KeysMatchOurKeyEncoding) {
    TV_REQUIRE_SHARED("dbf/level7/qaid.MDX");
    const Bytes engineer = test::ReadBytes(test::SharedFixture("dbf/level7/engineer.MDX"));
    const MdxInfo info = ReadMdx(engineer, "engineer.MDX");

    const std::vector<IndexEntry> numbers = WalkMdxTag(engineer, info.tags[0], "engineer.MDX");
    ASSERT_EQ(numbers.size(), 6u);
    for (std::uint32_t i = 0; i < 6; ++i) {
        const std::string field{'\x80', '\0', '\0', static_cast<char>(i + 1)};
        EXPECT_EQ(numbers[i], IndexEntry(MakeIndexKey('+', field), i + 1));
    }

    std::vector<std::pair<std::string, std::uint32_t>> names;
    for (const IndexEntry& entry : WalkMdxTag(engineer, info.tags[1], "engineer.MDX"))
        names.emplace_back(Trimmed(entry.first), entry.second);
    const std::vector<std::pair<std::string, std::uint32_t>> expected = {
        {"Kay", 3}, {"Kolosky", 1}, {"McGee", 2}, {"Smith", 4}, {"Smith", 5}, {"jones", 6}};
    EXPECT_EQ(names, expected);

    // N(1,0) fields hold "1", "2", ...; dBase's keys are exactly our packed decimals.
    const Bytes qaid = test::ReadBytes(test::SharedFixture("dbf/level7/qaid.MDX"));
    const MdxTag importance = ReadMdx(qaid, "qaid.MDX").tags[1];
    const std::vector<IndexEntry> keys = WalkMdxTag(qaid, importance, "qaid.MDX");
    ASSERT_EQ(keys.size(), 18u);
    EXPECT_EQ(keys.front().first, MakeIndexKey('N', "1"));
    EXPECT_EQ(keys.back().first, MakeIndexKey('N', "3"));
}

// ---- Rebuilding files that dBase wrote -------------------------------------------------

Bytes RebuildFromWalk(const Bytes& file) {
    const MdxInfo info = ReadMdx(file, "X.MDX");
    MdxBuild build;
    build.version = info.version;
    build.tableName = info.tableName;
    build.languageDriver = info.languageDriver;
    build.created = {file[1], file[2], file[3]};
    build.updated = {file[44], file[45], file[46]};
    for (const MdxTag& tag : info.tags)
        build.tags.push_back({tag, WalkMdxTag(file, tag, "X.MDX")});
    return BuildMdx(build);
}

class MdxRebuild : public testing::TestWithParam<std::string> {};

TEST_P(MdxRebuild, GivesTheSameBytes) {
    TV_REQUIRE_SHARED(GetParam());
    const Bytes original = test::ReadBytes(test::SharedFixture(GetParam()));
    const Bytes rebuilt = RebuildFromWalk(original);
    ASSERT_EQ(rebuilt.size(), original.size());
    const auto difference = std::mismatch(rebuilt.begin(), rebuilt.end(), original.begin());
    EXPECT_TRUE(difference.first == rebuilt.end())
        << "first difference at byte " << (difference.first - rebuilt.begin());
}

// Two level-7 files written by dBase itself and a level-4 file written by the
// database engine Tablorix uses.
INSTANTIATE_TEST_SUITE_P(Fixtures, MdxRebuild,
                         testing::Values("dbf/level7/engineer.MDX", "dbf/level7/qaid.MDX",
                                         "dbf/tdbf/tdbf_demo.mdx"));

// ---- Building multi-level trees ---------------------------------------------------------

void SortForIndex(const MdxTag& tag, std::vector<IndexEntry>& entries) {
    std::sort(entries.begin(), entries.end(),
              [&](const IndexEntry& a, const IndexEntry& b) { return InIndexOrder(tag, a, b); });
}

MdxTagContent CharacterTag(const std::string& name, std::size_t count, int keyLength = 10) {
    MdxTagContent content;
    content.tag = {name, name, 'C', keyLength};
    for (std::uint32_t i = 0; i < count; ++i) {
        std::string key = std::to_string(1000 + (i * 7919u) % 1700u); // about three records per key
        key.resize(static_cast<std::size_t>(keyLength), ' ');
        content.entries.emplace_back(key, i + 1);
    }
    SortForIndex(content.tag, content.entries);
    return content;
}

// Level 7: I keys (sign-flipped big-endian); level 4: N keys of decimal text.
MdxTagContent NumberTag(int version, const std::string& name, std::size_t count) {
    MdxTagContent content;
    content.tag = {name, name, version == 3 ? 'I' : 'N', version == 3 ? 4 : 12};
    for (std::uint32_t i = 0; i < count; ++i) {
        const int value = static_cast<int>(i % 5003) - 2500;
        std::string key;
        if (version == 3) {
            const std::uint32_t stored = static_cast<std::uint32_t>(value) ^ 0x80000000u;
            key = {static_cast<char>(stored >> 24), static_cast<char>(stored >> 16),
                   static_cast<char>(stored >> 8), static_cast<char>(stored)};
        } else {
            char text[24];
            std::snprintf(text, sizeof text, "%10.2f", value / 4.0);
            key = MakeIndexKey('N', text);
        }
        content.entries.emplace_back(key, i + 1);
    }
    SortForIndex(content.tag, content.entries);
    return content;
}

// Counts that make the last interior node of the number tag end up with a
// single child unless the writer balances the last two nodes.
std::size_t NumberTagCount(int version) {
    return version == 3 ? 127 * 126 + 1 /* 128 leaves of 126 */ : 64 * 63 + 1 /* 65 leaves of 63 */;
}

MdxBuild MultiLevelBuild(int version) {
    MdxBuild build;
    build.version = version;
    build.tableName = "horarios_largos";
    build.languageDriver = version == 2 ? 0x57 : 0;
    build.created = {124, 3, 9};
    build.updated = {125, 1, 31};
    build.tags.push_back(CharacterTag("NOMBRE", 5000));
    build.tags.push_back(NumberTag(version, "HORA", NumberTagCount(version)));
    build.tags.push_back({MdxTag{"VACIA", "Vacia", 'C', 5}, {}});
    build.tags.back().tag.counter = 7;
    return build;
}

// What a reader that searches the tree relies on, beyond the leaf order: every
// interior node has a key, each interior key is the largest key of its child's
// subtree, leaves are full but the last, and every leaf is at the same depth.
class TreeShape {
  public:
    TreeShape(const Bytes& file, std::size_t itemLength, std::size_t keyLength)
        : file_(file), item_(itemLength), key_(keyLength) {}

    std::string Largest(std::uint32_t page, int depth) {
        const std::size_t at = PageAt(page);
        const std::uint32_t count = U32(file_, at);
        const std::uint32_t last = U32(file_, at + 8 + count * item_);
        if (last == 0) {
            leafCounts.push_back(count);
            leafDepths.push_back(depth);
            leafPages.push_back(page);
            return count == 0 ? std::string() : KeyAt(at, count - 1);
        }
        EXPECT_GT(count, 0u) << "interior page " << page << " has only its trailing child";
        for (std::uint32_t i = 0; i < count; ++i)
            EXPECT_EQ(Largest(U32(file_, at + 8 + i * item_), depth + 1), KeyAt(at, i)) << "page " << page;
        return Largest(last, depth + 1);
    }

    std::vector<std::uint32_t> leafCounts;
    std::vector<int> leafDepths;
    std::vector<std::uint32_t> leafPages;

  private:
    std::string KeyAt(std::size_t node, std::size_t i) const {
        const auto* key = reinterpret_cast<const char*>(file_.data() + node + 8 + i * item_ + 4);
        return std::string(key, key_);
    }
    const Bytes& file_;
    std::size_t item_;
    std::size_t key_;
};

class MdxBuildVersion : public testing::TestWithParam<int> {};

TEST_P(MdxBuildVersion, MultiLevelTreesWalkBackAndKeepTheirShape) {
    const int version = GetParam();
    const MdxBuild build = MultiLevelBuild(version);
    const Bytes file = BuildMdx(build);

    ASSERT_EQ(file.size() % 512, 0u);
    EXPECT_EQ(U32(file, 32), file.size() / 512);
    EXPECT_EQ(U32(file, 36), 0u); // no free list
    EXPECT_EQ(file[30], 4);

    const MdxInfo info = ReadMdx(file, "HORARIOS.MDX");
    EXPECT_EQ(info.version, version);
    EXPECT_EQ(info.tableName, "HORARIOS");
    EXPECT_EQ(info.languageDriver, version == 2 ? 0x57 : 0);
    ASSERT_EQ(info.tags.size(), 3u);
    EXPECT_EQ(info.tags[0].headerPage, version == 3 ? 6u : 4u); // right after the tag table

    for (std::size_t t = 0; t < 3; ++t) {
        const MdxTagContent& content = build.tags[t];
        const MdxTag& tag = info.tags[t];
        SCOPED_TRACE(content.tag.name);
        EXPECT_EQ(tag.name, content.tag.name);
        EXPECT_EQ(tag.expression, content.tag.expression);
        EXPECT_EQ(tag.keyType, content.tag.keyType);
        EXPECT_EQ(tag.counter, content.tag.counter);
        EXPECT_EQ(WalkMdxTag(file, tag, "HORARIOS.MDX"), content.entries);

        const std::size_t header = PageAt(tag.headerPage);
        const std::size_t item = U16(file, header + 18);
        const std::size_t maxKeys = U16(file, header + 14);
        EXPECT_EQ(item, (content.tag.keyLength + 4 + 3) / 4 * 4);
        EXPECT_EQ(maxKeys, 1012 / item);
        EXPECT_EQ(file[header + 11], version == 2 ? 0x57 : 0);
        EXPECT_EQ(file[header + 246], content.entries.empty() ? 0 : 1);
        EXPECT_EQ(file[header + 480], version == 2 ? 1 : 0);
        EXPECT_EQ(file[header + 257], 125);

        TreeShape shape(file, item, content.tag.keyLength);
        shape.Largest(U32(file, header), 0);
        const std::size_t leaves = std::max<std::size_t>(1, (content.entries.size() + maxKeys - 1) / maxKeys);
        ASSERT_EQ(shape.leafCounts.size(), leaves);
        for (std::size_t i = 0; i + 1 < leaves; ++i)
            EXPECT_EQ(shape.leafCounts[i], maxKeys);
        EXPECT_EQ(std::count(shape.leafDepths.begin(), shape.leafDepths.end(), shape.leafDepths[0]),
                  static_cast<long>(leaves));
        EXPECT_EQ(shape.leafDepths[0], content.entries.empty() ? 0 : 2);
        EXPECT_EQ(U32(file, header + 248), shape.leafPages.front());
        EXPECT_EQ(U32(file, header + 252), shape.leafPages.back());
    }

    // Tag-name tree in creation order: NOMBRE the root, HORA to its left, VACIA to its right.
    const std::size_t slot = version == 3 ? 43 : 32;
    const std::size_t links = version == 3 ? 38 : 16; // left, right, parent
    EXPECT_EQ(file[512 + links + 1], 1);
    const std::uint8_t expectedLinks[3][3] = {{2, 3, 0}, {0, 0, 1}, {0, 0, 1}};
    for (std::size_t n = 1; n <= 3; ++n) {
        for (std::size_t k = 0; k < 3; ++k)
            EXPECT_EQ(file[512 + slot * n + links + k], expectedLinks[n - 1][k])
                << "tag " << n << " link " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, MdxBuildVersion, testing::Values(2, 3));

TEST(MdxFile, EmptyTagIsOneEmptyLeaf) {
    MdxBuild build;
    build.tableName = "VACIA";
    build.tags.push_back(CharacterTag("NOMBRE", 20));
    build.tags.push_back({MdxTag{"VACIA", "Vacia", 'C', 5}, {}});
    const Bytes file = BuildMdx(build);

    const MdxTag empty = ReadMdx(file, "VACIA.MDX").tags[1];
    const std::size_t header = PageAt(empty.headerPage);
    const std::uint32_t leaf = U32(file, header);
    EXPECT_EQ(file[header + 246], 0);
    EXPECT_EQ(U32(file, header + 4), 2u);
    EXPECT_EQ(U32(file, header + 248), leaf);
    EXPECT_EQ(U32(file, header + 252), leaf);
    EXPECT_EQ(U32(file, PageAt(leaf)), 0u);
    EXPECT_EQ(PageAt(leaf) + 1024, file.size()); // the last tag ends the file
    EXPECT_TRUE(WalkMdxTag(file, empty, "VACIA.MDX").empty());
}

TEST(MdxFile, RejectsWhatItCannotWrite) {
    const std::vector<std::pair<std::string, std::function<void(MdxBuild&)>>> cases = {
        {"unknown version", [](MdxBuild& b) { b.version = 4; }},
        {"name too long for version 2",
         [](MdxBuild& b) { b.version = 2, b.tags[0].tag.name = "NOMBRE_LARGO"; }},
        {"name too long for version 3", [](MdxBuild& b) { b.tags[0].tag.name = std::string(33, 'N'); }},
        {"repeated name", [](MdxBuild& b) { b.tags[1].tag.name = "nombre"; }},
        {"key of the wrong length", [](MdxBuild& b) { b.tags[0].entries[10].first += ' '; }},
        {"record number 0", [](MdxBuild& b) { b.tags[0].entries[0].second = 0; }},
        {"I key of 12 bytes", [](MdxBuild& b) { b.tags[1].tag.keyLength = 12; }},
        {"character key over 100", [](MdxBuild& b) { b.tags[2].tag.keyLength = 101; }},
        {"FOR filter", [](MdxBuild& b) { b.tags[0].tag.hasForFilter = true; }},
        {"48 tags",
         [](MdxBuild& b) {
             while (b.tags.size() < 48) {
                 b.tags.push_back(b.tags[2]);
                 b.tags.back().tag.name = "T" + std::to_string(b.tags.size());
             }
         }},
    };
    MdxBuild good;
    good.tableName = "MAL";
    good.tags = {
        CharacterTag("NOMBRE", 20), NumberTag(3, "HORA", 20), {MdxTag{"VACIA", "Vacia", 'C', 5}, {}}};
    ASSERT_NO_THROW(BuildMdx(good));
    for (const auto& [what, spoil] : cases) {
        MdxBuild build = good;
        spoil(build);
        EXPECT_THROW(BuildMdx(build), TableError) << what;
    }
}

TEST(MdxFile, BuildsAHundredThousandKeysQuickly) {
    MdxBuild build;
    build.tableName = "GRANDE";
    MdxTagContent content{{"CLAVE", "CLAVE", 'C', 20}, {}};
    content.entries.reserve(100000);
    for (std::uint32_t i = 0; i < 100000; ++i) {
        char key[24];
        std::snprintf(key, sizeof key, "%020u", i);
        content.entries.emplace_back(std::string(key, 20), i + 1);
    }
    build.tags.push_back(std::move(content));

    const auto start = std::chrono::steady_clock::now();
    const Bytes file = BuildMdx(build);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    // A few milliseconds in an optimised build; the bound only catches a
    // writer that has become quadratic or allocates per key.
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 1000);
    EXPECT_EQ(WalkMdxTag(file, ReadMdx(file, "GRANDE.MDX").tags[0], "GRANDE.MDX").size(), 100000u);
}

// ---- Damaged files -------------------------------------------------------------------

// A small file with two two-level tags over 40-byte keys (23 to a node), so
// that one tree can be spliced into the other.
Bytes SmallTwoLevelFile() {
    MdxBuild build;
    build.tableName = "HORAS";
    build.tags.push_back(CharacterTag("NOMBRE", 30, 40));
    build.tags.push_back(CharacterTag("APELLIDO", 50, 40));
    return BuildMdx(build);
}

void ReadAndWalkAll(const Bytes& file) {
    for (const MdxTag& tag : ReadMdx(file, "HORAS.MDX").tags)
        WalkMdxTag(file, tag, "HORAS.MDX");
}

TEST(MdxFile, DamagedFilesThrowNamingTheFile) {
    const Bytes good = SmallTwoLevelFile();
    ASSERT_NO_THROW(ReadAndWalkAll(good));
    const std::size_t header = PageAt(U32(good, 555));
    const std::uint32_t root = U32(good, header);
    const std::uint32_t firstLeaf = U32(good, header + 248);
    const std::uint32_t otherRoot = U32(good, PageAt(U32(good, 555 + 43)));

    const std::vector<std::pair<std::string, std::function<void(Bytes&)>>> cases = {
        {"empty file", [](Bytes& f) { f.clear(); }},
        {"truncated in the header", [](Bytes& f) { f.resize(100); }},
        {"truncated in the tag table", [](Bytes& f) { f.resize(2000); }},
        {"last block missing", [](Bytes& f) { f.resize(f.size() - 1024); }},
        {"unknown version", [](Bytes& f) { f[0] = 9; }},
        {"48 tags", [](Bytes& f) { f[28] = 48; }},
        {"block size 0", [](Bytes& f) { f[20] = 0, f[22] = 0, f[23] = 0; }},
        {"tag header past the end", [](Bytes& f) { PutU32(f, 555, 5000); }},
        {"root past the end", [&](Bytes& f) { PutU32(f, header, 5000); }},
        {"root inside the tag table", [&](Bytes& f) { PutU32(f, header, 2); }},
        {"zero key length", [&](Bytes& f) { f[header + 12] = 0; }},
        {"item longer than a block", [&](Bytes& f) { f[header + 19] = 0x08; }},
        {"N tag with 40-byte keys", [](Bytes& f) { f[555 + 42] = 'N'; }},
        {"node pointing to itself", [&](Bytes& f) { PutU32(f, PageAt(root) + 8, root); }},
        {"leaf turned into a node over the root",
         [&](Bytes& f) { PutU32(f, PageAt(firstLeaf), 0), PutU32(f, PageAt(firstLeaf) + 8, root); }},
        {"more keys than fit in a node", [&](Bytes& f) { PutU32(f, PageAt(root), 200); }},
        {"record number 0", [&](Bytes& f) { PutU32(f, PageAt(firstLeaf) + 8, 0); }},
        {"leaves at two depths", [&](Bytes& f) { PutU32(f, PageAt(root) + 8, otherRoot); }},
    };
    for (const auto& [what, spoil] : cases) {
        Bytes damaged = good;
        spoil(damaged);
        try {
            ReadAndWalkAll(damaged);
            ADD_FAILURE() << what << ": no error";
        } catch (const TableError& error) {
            EXPECT_NE(std::string(error.what()).find("'HORAS.MDX'"), std::string::npos) << what;
        }
    }
}

// Whatever single byte is spoilt, reading either works or throws TableError;
// run under the address sanitizer this also proves no read leaves the buffer.
TEST(MdxFile, NoSingleSpoiltByteCrashesTheReader) {
    Bytes file = SmallTwoLevelFile();
    for (std::size_t at = 0; at < file.size(); ++at) {
        const std::uint8_t original = file[at];
        for (const std::uint8_t value : {0x00, 0xFF}) {
            file[at] = value;
            try {
                ReadAndWalkAll(file);
            } catch (const TableError&) {
            }
        }
        file[at] = original;
    }
}

} // namespace
} // namespace tv::tables
