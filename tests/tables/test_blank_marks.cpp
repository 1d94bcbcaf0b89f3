// The marks of a row's blanks against the plain reading of its bytes: every
// field of stretches that end inside and on the edges of the blocks and words
// the marks are made by, rows mostly blank as the tables' are, NULs anywhere.
#include "tables/blank_marks.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace tv::test {
namespace {

using tables::BlankMarks;

std::size_t PlainTrimmedLength(const std::string& row, std::size_t offset, std::size_t length) {
    while (length > 0 && row[offset + length - 1] == ' ')
        --length;
    return length;
}

class BlankMarksTest : public ::testing::TestWithParam<BlankMarks::Method> {};

TEST_P(BlankMarksTest, EveryFieldReadsAsItsBytesWithoutTrailingBlanks) {
    std::mt19937 random(7);
    for (const std::size_t before : {0u, 1u, 5u})
        for (const std::size_t size : {1u, 15u, 16u, 17u, 31u, 32u, 33u, 63u, 64u, 65u, 130u, 211u}) {
            for (int round = 0; round < 20; ++round) {
                // The row is exactly as long as the stretch and what comes
                // before it: nothing past its end may be read.
                std::string row(before + size, ' ');
                for (std::size_t i = before; i < row.size(); ++i) {
                    const unsigned draw = random() % 10;
                    row[i] = draw < 6 ? ' ' : draw < 9 ? static_cast<char>('A' + draw) : '\xE9';
                }
                const bool withNul = round % 4 == 3;
                if (withNul) row[before + random() % size] = '\0';

                BlankMarks marks(before, before + size, GetParam());
                ASSERT_EQ(marks.Mark(row.data()), withNul) << "size " << size;
                for (std::size_t offset = before; offset < row.size(); ++offset)
                    for (std::size_t length = 0; offset + length <= row.size(); ++length)
                        ASSERT_EQ(marks.TrimmedLength(offset, length),
                                  PlainTrimmedLength(row, offset, length))
                            << "size " << size << ", field at " << offset << " of " << length;
            }
        }
}

TEST_P(BlankMarksTest, AMarkedRowForgetsTheRowBefore) {
    BlankMarks marks(0, 70, GetParam());
    const std::string full(70, 'X');
    const std::string blank(70, ' ');
    marks.Mark(full.data());
    marks.Mark(blank.data());
    EXPECT_EQ(marks.TrimmedLength(0, 70), 0u);
    EXPECT_EQ(marks.TrimmedLength(60, 10), 0u);
}

INSTANTIATE_TEST_SUITE_P(EachMethod, BlankMarksTest,
                         ::testing::Values(BlankMarks::Method::Fastest, BlankMarks::Method::EachByte));

} // namespace
} // namespace tv::test
