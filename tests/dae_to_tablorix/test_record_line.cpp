#include "dae_to_tablorix/record_line.h"
#include "tests/test_support.h"

#include <stdexcept>

namespace tv::test {
namespace {

using dae_to_tablorix::Field;
using dae_to_tablorix::ReadFirstLine;
using dae_to_tablorix::SplitRecords;

struct LineCase {
    const char* title;
    std::string bytes;
    std::string firstLine;
};

class FirstLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(FirstLine, EndsAtTheFirstLineBreak) {
    ScratchDir dir;
    const std::string& bytes = GetParam().bytes;
    WriteBytes(dir / "f.txt", {bytes.begin(), bytes.end()});
    EXPECT_EQ(ReadFirstLine(dir / "f.txt"), GetParam().firstLine);
}

// The mapped line reads as the copied one.
TEST_P(FirstLine, IsTheSameMappedAsCopied) {
    ScratchDir dir;
    const std::string& bytes = GetParam().bytes;
    WriteBytes(dir / "f.txt", {bytes.begin(), bytes.end()});
    EXPECT_EQ(dae_to_tablorix::FirstLine(dir / "f.txt").Text(), GetParam().firstLine);
}

INSTANTIATE_TEST_SUITE_P(RecordLine, FirstLine,
                         ::testing::Values(LineCase{"CrLf", "ab\r\ncd", "ab"}, LineCase{"Lf", "ab\ncd", "ab"},
                                           LineCase{"LoneCr", "ab\rcd\n", "ab"},
                                           LineCase{"NoBreak", "abc", "abc"}, LineCase{"Empty", "", ""},
                                           LineCase{"EmptyFirstLine", "\r\nabc", ""},
                                           // Bytes stay as they are: Windows-1252, NUL included.
                                           LineCase{"BytesUnchanged",
                                                    std::string("\xD1"
                                                                "a\0\xBA",
                                                                4),
                                                    std::string("\xD1"
                                                                "a\0\xBA",
                                                                4)}),
                         [](const auto& info) { return std::string(info.param.title); });

TEST(RecordLine, StartOfTheFirstLineStopsAtItsEndOrTheCount) {
    ScratchDir dir;
    WriteBytes(dir / "f.txt", {'a', 'b', 'c', '\r', '\n', 'd'});
    EXPECT_EQ(dae_to_tablorix::ReadFirstLineStart(dir / "f.txt", 2), "ab");
    EXPECT_EQ(dae_to_tablorix::ReadFirstLineStart(dir / "f.txt", 13), "abc");
}

TEST(RecordLine, MissingFileThrows) {
    ScratchDir dir;
    EXPECT_THROW(ReadFirstLine(dir / "none.txt"), std::runtime_error);
    EXPECT_THROW(dae_to_tablorix::FirstLine(dir / "none.txt"), std::runtime_error);
}

TEST(RecordLine, LastRecordMayBeShort) {
    EXPECT_EQ(SplitRecords("aaabbbc", 3), (std::vector<std::string_view>{"aaa", "bbb", "c"}));
    EXPECT_EQ(SplitRecords("aaabbb", 3), (std::vector<std::string_view>{"aaa", "bbb"}));
    EXPECT_TRUE(SplitRecords("", 3).empty());
}

TEST(RecordLine, FieldIsTrimmedAndEmptyPastTheRecord) {
    EXPECT_EQ(Field("  ab  cd  ", 1, 6), "ab");
    EXPECT_EQ(Field("xy ab", 3, 10), "ab");
    EXPECT_EQ(Field("xy", 5, 2), "");
}

} // namespace
} // namespace tv::test
