// Text helpers and Windows-1252 conversion.
#include "tables/conversion_error.h"
#include "tables/cp1252.h"
#include "tables/text.h"

#include <gtest/gtest.h>

namespace tv {
namespace {

struct TrimCase {
    std::string input, leading, trailing, both, control;
};

TEST(TextTest, TrimsOnlyBlanksExceptTheWiderTrim) {
    const TrimCase cases[] = {
        {"", "", "", "", ""},
        {"   ", "", "", "", ""},
        {"  ab c  ", "ab c  ", "  ab c", "ab c", "ab c"},
        {"\tab ", "\tab ", "\tab", "\tab", "ab"},
        {" \r\nX\x01 ", "\r\nX\x01 ", " \r\nX\x01", "\r\nX\x01", "X"},
        {"\xE1\xF1 ", "\xE1\xF1 ", "\xE1\xF1", "\xE1\xF1", "\xE1\xF1"}, // bytes >= 0x80 are letters here
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(TrimLeading(c.input), c.leading);
        EXPECT_EQ(TrimTrailing(c.input), c.trailing);
        EXPECT_EQ(TrimBoth(c.input), c.both);
        EXPECT_EQ(TrimControl(c.input), c.control);
    }
}

TEST(TextTest, WordInitialsTakeWhatFollowsEachBlank) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"Garcia", ""},                 // the first character is never taken
        {"Ana Garcia Lopez", "GL"},
        {"Ana  Garcia", " G"},          // two blanks add a blank
        {"Ana Garcia ", "G"},           // a blank at the end adds nothing
        {" ana", "a"},
        {"de la \xC1lvarez", "l\xC1"},
    };
    for (const auto& [text, initials] : cases) EXPECT_EQ(WordInitials(text), initials) << text;
}

TEST(TextTest, CaseFoldingCoversAccentedLettersAsWindowsDoes) {
    EXPECT_EQ(AnsiUpperCase("a\xE1\xF1\xE7\xFC\x9A\x9C\x9E\xFF\xDF\xB5\xF7z"), "A\xC1\xD1\xC7\xDC\x8A\x8C\x8E\x9F\xDF\xB5\xF7Z");
    EXPECT_EQ(AnsiLowerCase("\xC1\xD1\x8A\x9F"), "\xE1\xF1\x9A\xFF");
    EXPECT_TRUE(AnsiSameText("Mu\xF1oz", "MU\xD1OZ"));
    EXPECT_TRUE(AnsiSameText("\xE1lvaro", "\xC1LVARO"));
    EXPECT_FALSE(AnsiSameText("\xE1lvaro", "ALVARO")); // accents are not dropped
    EXPECT_FALSE(AnsiSameText("ab", "abc"));
}

TEST(TextTest, CutIsOneBasedAndShortAtTheEnd) {
    EXPECT_EQ(Cut("abcdef", 1, 3), "abc");
    EXPECT_EQ(Cut("abcdef", 5, 3), "ef");
    EXPECT_EQ(Cut("abcdef", 7, 3), "");
    EXPECT_EQ(Cut("abcdef", 0, 3), "");
}

TEST(TextTest, StrToIntAcceptsWhatTheRuntimeAcceptsAndNamesTheText) {
    EXPECT_EQ(StrToInt("12"), 12);
    EXPECT_EQ(StrToInt("  -7"), -7);
    EXPECT_EQ(StrToInt("+3"), 3);
    EXPECT_EQ(StrToInt("0009"), 9);
    for (const char* bad : {"", "   ", "1 ", "1a", "a1", "--1", "+-1", "1.0", "99999999999"}) {
        SCOPED_TRACE(bad);
        try {
            StrToInt(bad);
            FAIL() << "accepted";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + bad + "' is not a valid integer value");
        }
    }
    EXPECT_EQ(StrToIntDef("x", -1), -1);
}

TEST(Cp1252Test, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = Cp1252ToUtf8(all);
    EXPECT_EQ(Utf8ToCp1252(utf8), all);
}

TEST(Cp1252Test, MapsTheSpecialRowAndTheUndefinedBytes) {
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\u20AC");
    EXPECT_EQ(Cp1252ToUtf8("\x8A\x9F"), "\u0160\u0178");
    EXPECT_EQ(Cp1252ToUtf8("Ma\xF1" "ana \xBA"), "Ma\u00F1ana \u00BA");
    // Undefined bytes become the C1 control of the same number, never a letter.
    for (unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        const std::string utf8 = Cp1252ToUtf8(std::string(1, static_cast<char>(b)));
        EXPECT_EQ(utf8, std::string({static_cast<char>(0xC2), static_cast<char>(b)}));
    }
}

TEST(Cp1252Test, RefusesWhatWindows1252CannotHold) {
    std::string out;
    char32_t bad = 0;
    EXPECT_FALSE(TryUtf8ToCp1252("a\u0107b", out, bad)); // ć
    EXPECT_EQ(bad, U'\u0107');
    EXPECT_FALSE(TryUtf8ToCp1252("\xC3", out, bad)); // truncated sequence
    EXPECT_EQ(bad, 0xFFFFFFFFu);
    EXPECT_FALSE(TryUtf8ToCp1252("\xC0\xAF", out, bad)); // overlong
    EXPECT_FALSE(TryUtf8ToCp1252("\xED\xA0\x80", out, bad)); // surrogate
    EXPECT_THROW(Utf8ToCp1252("\U0001F600"), EncodingError);
    EXPECT_EQ(Utf8ToCp1252("\u20AC\u00D1"), "\x80\xD1");
}

} // namespace
} // namespace tv
