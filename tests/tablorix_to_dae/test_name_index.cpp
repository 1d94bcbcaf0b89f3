// The name index the timetable check looks names up in: names of every
// length around its two words (8 and 16 bytes) and names alike but for one
// byte keep their own numbers, through the growth of the table.
#include "tablorix_to_dae/name_index.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tv::test {
namespace {

using tablorix_to_dae::NameIndex;

std::vector<std::string> AlikeNames() {
    std::vector<std::string> names{""};
    for (std::size_t length = 1; length <= 20; ++length)
        for (std::size_t at = 0; at < length; ++at) {
            // Blanks, as the tables pad, with one byte different: first, last, inside.
            std::string name(length, ' ');
            name[at] = 'X';
            names.push_back(name);
            name[at] = '\0';
            names.push_back(name);
        }
    for (int n = 0; n < 3000; ++n)
        names.push_back("GRUPO" + std::to_string(n));
    return names;
}

TEST(NameIndexTest, EachNameKeepsTheNumberOfItsFirstComing) {
    const std::vector<std::string> names = AlikeNames();
    NameIndex index;
    for (std::uint32_t n = 0; n < names.size(); ++n)
        ASSERT_EQ(index.Add(names[n]), n) << names[n];
    ASSERT_EQ(index.size(), names.size());
    for (std::uint32_t n = 0; n < names.size(); ++n) {
        EXPECT_EQ(index.Add(names[n]), n) << names[n];
        EXPECT_EQ(index.Find(names[n]), n) << names[n];
        EXPECT_EQ(index.Name(n), names[n]);
    }
    for (const char* absent :
         {"Y", "GRUPO3000", "GRUPO", "                     ", "  Y ", "XX                  "})
        EXPECT_FALSE(index.contains(absent)) << absent;
    EXPECT_FALSE(NameIndex().contains(""));
}

} // namespace
} // namespace tv::test
