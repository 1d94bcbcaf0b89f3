#include "tables/index_key.h"
#include "tables/table_error.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace tv::tables {
namespace {

// "35 05 10" -> the three bytes, zero-padded to `length`.
std::string Bytes(const std::string& hex, std::size_t length = 0) {
    std::istringstream in(hex);
    std::string bytes;
    for (std::string pair; in >> pair;)
        bytes.push_back(static_cast<char>(std::stoi(pair, nullptr, 16)));
    if (bytes.size() < length) bytes.resize(length, '\0');
    return bytes;
}

std::string DateKey(double dayNumber) {
    const auto bits = std::bit_cast<std::uint64_t>(dayNumber);
    std::string key;
    for (int i = 0; i < 8; ++i)
        key.push_back(static_cast<char>(bits >> (8 * i)));
    return key;
}

TEST(IndexKey, KeyLengthFollowsFieldType) {
    const struct {
        char type;
        int fieldLength;
        int keyLength;
    } cases[] = {{'C', 1, 1}, {'C', 40, 40}, {'N', 5, 12}, {'N', 20, 12}, {'F', 20, 12},
                 {'D', 8, 8}, {'I', 4, 4},   {'+', 4, 4},  {'O', 8, 8},   {'@', 8, 8}};
    for (const auto& c : cases)
        EXPECT_EQ(IndexKeyLength(c.type, c.fieldLength), c.keyLength) << c.type;
    EXPECT_THROW(IndexKeyLength('L', 1), TableError);
    EXPECT_THROW(MakeIndexKey('M', "         1"), TableError);
}

// dBase IV packed decimal: exponent byte, digit count (and sign), digits as BCD.
TEST(IndexKey, NumericKeysArePackedDecimals) {
    const struct {
        const char* field;
        const char* key;
    } cases[] = {
        {"0", "34 01"},
        {"5", "35 05 50"},
        {"100", "37 05 10"},
        {"123.45", "37 15 12 34 50"},
        {"-7", "35 85 70"},
        {"0.05", "33 05 50"},
        {"10490", "39 11 10 49"},
        {"20.5", "36 0D 20 50"},
        // As the fields hold them: right aligned, fixed decimals, blank = zero.
        {"    1", "35 05 10"},
        {"   1.000", "35 05 10"},
        {"  -0.00", "34 01"},
        {"          ", "34 01"},
        {"", "34 01"},
        {"***", "34 01"},
        {"   -1234.5600", "38 99 12 34 56"},
        {"12345678901234567890", "48 4D 12 34 56 78 90 12 34 56 78 90"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("field '") + c.field + "'");
        EXPECT_EQ(MakeIndexKey('N', c.field), Bytes(c.key, 12));
        EXPECT_EQ(MakeIndexKey('F', c.field), Bytes(c.key, 12));
    }
}

TEST(IndexKey, NumericKeysCompareByValue) {
    const std::vector<std::string> ascending = {
        "-1000", "-20.5", "-7",   "-0.5", "-0.05",  "0",      "0.05",  "0.5",
        "5",     "7",     "20.5", "100",  "123.45", "123.46", "10490", "99999999999999999999"};
    for (std::size_t i = 0; i < ascending.size(); ++i) {
        for (std::size_t j = 0; j < ascending.size(); ++j) {
            const int c =
                CompareIndexKeys('N', MakeIndexKey('N', ascending[i]), MakeIndexKey('N', ascending[j]));
            EXPECT_EQ(c < 0, i < j) << ascending[i] << " vs " << ascending[j];
            EXPECT_EQ(c == 0, i == j) << ascending[i] << " vs " << ascending[j];
        }
    }
    // Other writers keep the trailing zeros of integers in the digit count.
    EXPECT_EQ(CompareIndexKeys('N', Bytes("39 15 10 49", 12), MakeIndexKey('N', "10490")), 0);
    EXPECT_EQ(CompareIndexKeys('N', MakeIndexKey('N', "  5.00"), MakeIndexKey('N', "5")), 0);
}

TEST(IndexKey, DateKeysAreJulianDayNumbers) {
    EXPECT_EQ(MakeIndexKey('D', "20000101"), DateKey(2451545.0));
    EXPECT_EQ(MakeIndexKey('D', "19700101"), DateKey(2440588.0));
    EXPECT_EQ(MakeIndexKey('D', "19810101"), DateKey(2444606.0));
    EXPECT_EQ(MakeIndexKey('D', "        "), DateKey(1.0e100));

    // The little-endian bytes do not sort by value; the comparison must.
    const std::vector<std::string> ascending = {"18000101", "19691231", "19700101", "19991231",
                                                "20000101", "20240229", "        "};
    for (std::size_t i = 0; i + 1 < ascending.size(); ++i) {
        EXPECT_LT(CompareIndexKeys('D', MakeIndexKey('D', ascending[i]), MakeIndexKey('D', ascending[i + 1])),
                  0)
            << ascending[i];
        EXPECT_GT(CompareIndexKeys('D', MakeIndexKey('D', ascending[i + 1]), MakeIndexKey('D', ascending[i])),
                  0);
    }
}

TEST(IndexKey, CharacterAndBinaryKeysCompareAsUnsignedBytes) {
    EXPECT_EQ(MakeIndexKey('C', std::string("ab\0\0", 4)), "ab  ");
    EXPECT_LT(CompareIndexKeys('C', "Smith", "jones"), 0); // upper case first
    EXPECT_LT(CompareIndexKeys('C', "zz", "\xE9t"), 0);    // bytes >= 0x80 after ASCII
    EXPECT_LT(CompareIndexKeys('C', "ab", "ab "), 0);
    EXPECT_EQ(CompareIndexKeys('C', "ab ", "ab "), 0);

    // I, +, O, @ keep the field bytes, which are stored sign-flipped big-endian.
    const std::string minusOne = Bytes("7F FF FF FF");
    const std::string one = Bytes("80 00 00 01");
    EXPECT_EQ(MakeIndexKey('I', one), one);
    for (char type : {'I', '+'})
        EXPECT_LT(CompareIndexKeys(type, minusOne, one), 0) << type;
    const std::string minusDouble = Bytes("3F 97 00 51 EB 85 1E B7"); // -199.99
    const std::string plusDouble = Bytes("C0 45 D3 33 33 33 33 33");  // 43.65
    for (char type : {'O', '@'})
        EXPECT_LT(CompareIndexKeys(type, minusDouble, plusDouble), 0) << type;
}

} // namespace
} // namespace tv::tables
