// The bytes of a table we write, as a level-7 table and its production index
// are laid out by dBase itself: header, descriptors, tag table, tag headers, nodes.
#include "tables/dbf_format.h"
#include "common/ktemp.h"
#include "tables/mdx_file.h"
#include "tables/table.h"

#include "tests/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace tv::tables {
namespace {

using test::ReadBytes;
using test::ScratchDir;

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
std::vector<std::uint8_t> Bytes(const std::vector<std::uint8_t>& b, std::size_t at, std::size_t n) {
    return {b.begin() + static_cast<std::ptrdiff_t>(at), b.begin() + static_cast<std::ptrdiff_t>(at + n)};
}
std::vector<std::uint8_t> Name(const std::string& name, std::size_t width) {
    std::vector<std::uint8_t> out(width, 0);
    std::memcpy(out.data(), name.data(), name.size());
    return out;
}

TEST(WrittenLayoutTest, Level7TableWithThreeTags) {
    ScratchDir dir;
    Table::Create(dir.path(), "T7TEST",
                  {{{"PROF_DIA_SES", FieldKind::String, 13}, {"ABREV", FieldKind::String, 10}, {"HORA", FieldKind::Integer}},
                   {"PROF_DIA_SES", "ABREV", "HORA"}});
    {
        Table t;
        t.Open(dir.path(), "T7TEST");
        t.AppendRecord({std::string("ABC       209"), std::string("ABC"), 9LL});
        t.AppendRecord({std::string("AAA       101"), std::string("AAA"), -1LL});
        t.AppendRecord({std::string("ABC       209"), std::string("ZZ"), 2LL});
    }
    const auto dbf = ReadBytes(dir / "T7TEST.DBF");
    EXPECT_EQ(dbf[0], 0x04);
    EXPECT_EQ(U32(dbf, 4), 3u);
    EXPECT_EQ(U16(dbf, 8), 68 + 3 * 48 + 1);
    EXPECT_EQ(U16(dbf, 10), 1 + 13 + 10 + 4);
    EXPECT_EQ(dbf[28], 1);
    EXPECT_EQ(dbf[29], 0);
    EXPECT_EQ(Bytes(dbf, 32, 32), Name("DBWINUS0", 32));
    EXPECT_EQ(Bytes(dbf, 68, 32), Name("PROF_DIA_SES", 32));
    EXPECT_EQ(Bytes(dbf, 68 + 32, 3), (std::vector<std::uint8_t>{'C', 13, 0}));
    EXPECT_EQ(dbf[68 + 37], 1);                                                   // tag flag
    EXPECT_EQ(Bytes(dbf, 68 + 96 + 32, 3), (std::vector<std::uint8_t>{'I', 4, 0})); // HORA
    EXPECT_EQ(dbf[68 + 96 + 37], 1);
    EXPECT_EQ(dbf[68 + 144], 0x0D);
    const std::size_t first = 68 + 144 + 1;
    EXPECT_EQ(Bytes(dbf, first + 1 + 23, 4), (std::vector<std::uint8_t>{0x80, 0, 0, 9})); // 9 big-endian, sign flipped
    EXPECT_EQ(Bytes(dbf, first + 28 + 1 + 23, 4), (std::vector<std::uint8_t>{0x7F, 0xFF, 0xFF, 0xFF})); // -1
    EXPECT_EQ(dbf.size(), first + 3 * 28 + 1);
    EXPECT_EQ(dbf.back(), 0x1A);

    const auto mdx = ReadBytes(dir / "T7TEST.MDX");
    EXPECT_EQ(mdx[0], 3);
    EXPECT_EQ(Bytes(mdx, 4, 16), Name("T7TEST", 16));
    EXPECT_EQ(Bytes(mdx, 20, 12),
              (std::vector<std::uint8_t>{0x02, 0x00, 0x00, 0x04, 0x01, 0x30, 0x2B, 0x00, 0x03, 0x00, 0x04, 0x00}));
    EXPECT_EQ(U32(mdx, 32) * 512, mdx.size());
    EXPECT_EQ(mdx[551], 1);
    // Tag slots: name tree in creation order (ABREV left of PROF_DIA_SES, HORA right of ABREV).
    EXPECT_EQ(U32(mdx, 555), 6u);
    EXPECT_EQ(Bytes(mdx, 559, 33), Name("PROF_DIA_SES", 33));
    EXPECT_EQ(Bytes(mdx, 592, 6), (std::vector<std::uint8_t>{0x10, 2, 0, 0, 2, 'C'}));
    EXPECT_EQ(Bytes(mdx, 602, 33), Name("ABREV", 33));
    EXPECT_EQ(Bytes(mdx, 635, 6), (std::vector<std::uint8_t>{0x10, 0, 3, 1, 2, 'C'}));
    EXPECT_EQ(Bytes(mdx, 645, 33), Name("HORA", 33));
    EXPECT_EQ(Bytes(mdx, 678, 6), (std::vector<std::uint8_t>{0x10, 0, 0, 2, 2, 'I'}));

    struct TagHeader {
        std::size_t slot;
        std::uint16_t keyLength, maxKeys, item;
        std::string expression;
    };
    const TagHeader tags[] = {{555, 13, 50, 20, "PROF_DIA_SES"}, {598, 10, 63, 16, "ABREV"}, {641, 4, 126, 8, "HORA"}};
    for (const auto& tag : tags) {
        SCOPED_TRACE(tag.expression);
        const std::size_t at = U32(mdx, tag.slot) * 512;
        EXPECT_EQ(mdx[at + 8], 0x10);
        EXPECT_EQ(mdx[at + 11], 0);
        EXPECT_EQ(U16(mdx, at + 12), tag.keyLength);
        EXPECT_EQ(U16(mdx, at + 14), tag.maxKeys);
        EXPECT_EQ(U16(mdx, at + 18), tag.item);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(&mdx[at + 24])), tag.expression);
        EXPECT_EQ(mdx[at + 246], 1);
        EXPECT_EQ(mdx[at + 480], 0);
        // One leaf: three keys, ties in record order, a zero after the last item.
        const std::size_t leaf = U32(mdx, at) * 512;
        EXPECT_EQ(U32(mdx, at + 248) * 512, leaf);
        EXPECT_EQ(U32(mdx, leaf), 3u);
        EXPECT_EQ(U32(mdx, leaf + 4), 0u);
        EXPECT_EQ(U32(mdx, leaf + 8 + 3 * tag.item), 0u);
    }
    // PROF_DIA_SES leaf: AAA (record 2), then the two ABC in record order.
    const std::size_t leaf = U32(mdx, U32(mdx, 555) * 512) * 512;
    EXPECT_EQ(U32(mdx, leaf + 8), 2u);
    EXPECT_EQ(U32(mdx, leaf + 8 + 20), 1u);
    EXPECT_EQ(U32(mdx, leaf + 8 + 40), 3u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&mdx[leaf + 12]), 13), "AAA       101");
    // HORA leaf: -1 (record 2), 2 (record 3), 9 (record 1), raw field bytes as keys.
    const std::size_t hora = U32(mdx, U32(mdx, 641) * 512) * 512;
    EXPECT_EQ(Bytes(mdx, hora + 8, 24), (std::vector<std::uint8_t>{2, 0, 0, 0, 0x7F, 0xFF, 0xFF, 0xFF, 3, 0, 0, 0,
                                                                   0x80, 0, 0, 2,    1,    0,    0,    0, 0x80, 0, 0, 9}));
}

TEST(KtempTest, EnvironmentThenHomeAndTheOverrideWins) {
#ifndef _WIN32
    ScratchDir dir;
    ::setenv("TRANSVELORADAE_KTEMP", (dir / "desde-entorno").c_str(), 1);
    EXPECT_EQ(KtempFolder(), dir / "desde-entorno");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "desde-entorno")); // created when missing
    ::unsetenv("TRANSVELORADAE_KTEMP");
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", dir.path().c_str(), 1);
    EXPECT_EQ(KtempFolder(), dir / "KTEMP");
    ::setenv("HOME", home.c_str(), 1);
    SetKtempOverride(dir / "opcion");
    EXPECT_EQ(KtempFolder(), dir / "opcion");
    SetKtempOverride({});
#else
    GTEST_SKIP() << "on Windows KTEMP is at the root of the current drive";
#endif
}

} // namespace
} // namespace tv::tables
