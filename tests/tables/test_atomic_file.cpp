// A file written in pieces replaces the earlier one only once committed: the
// pieces in their order then, the earlier file and no temporary file after a
// failure while the pieces were made.
#include "tables/atomic_file.h"

#include "tests/test_support.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string_view>

namespace tv::tables {
namespace {

std::span<const std::uint8_t> Bytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(AtomicFileWriterTest, CommittedPiecesReplaceTheFileAndAnAbandonedWriteLeavesIt) {
    const test::ScratchDir dir;
    const std::filesystem::path file = dir.path() / "f.txt";
    test::WriteBytes(file, {'o', 'l', 'd'});
    const std::filesystem::path temp = dir.path() / "f.txt.tmp~";

    EXPECT_THROW(
        {
            AtomicFileWriter out(file);
            out.Write(Bytes("new "));
            EXPECT_TRUE(std::filesystem::exists(temp));
            throw std::runtime_error("the next piece could not be made");
        },
        std::runtime_error);
    EXPECT_EQ(test::ReadBytes(file), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
    EXPECT_FALSE(std::filesystem::exists(temp));

    {
        AtomicFileWriter out(file);
        for (const std::string_view piece : {"one ", "", "two"})
            out.Write(Bytes(piece));
        out.Commit();
    }
    const std::vector<std::uint8_t> written = test::ReadBytes(file);
    EXPECT_EQ(std::string(written.begin(), written.end()), "one two");
    EXPECT_FALSE(std::filesystem::exists(temp));
}

} // namespace
} // namespace tv::tables
