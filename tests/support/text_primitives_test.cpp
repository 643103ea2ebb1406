#include "support/text_primitives.h"

#include <gtest/gtest.h>

#include <string>

#include "support/utf8.h"

namespace brenx::support {
namespace {

std::string Stripped(std::string line) {
    StripComment(line);
    return line;
}

std::string Unquoted(std::string text) {
    Unquote(text);
    return text;
}

std::string Quoted(std::string text) {
    Quote(text);
    return text;
}

TEST(TextPrimitives, CharAtAndLastCharStayInsideTheText) {
    EXPECT_EQ(CharAt("abc", 1), 'a');
    EXPECT_EQ(CharAt("abc", 3), 'c');
    EXPECT_EQ(CharAt("abc", 4), '\0');
    EXPECT_EQ(CharAt("abc", 0), '\0');
    EXPECT_EQ(CharAt("", 1), '\0');
    EXPECT_EQ(LastCharText("dir\\"), "\\");
    EXPECT_EQ(LastCharText(""), "");
    EXPECT_EQ(LastCharText("caf\xC3\xA9"), "\xC3\xA9");
}

TEST(TextPrimitives, PosFromCountsInTheWholeTextWithinItsWindow) {
    EXPECT_EQ(PosFrom("\\", 3, "\\\\server\\share\\dir"), 9u);
    EXPECT_EQ(PosFrom("\\", 10, "\\\\server\\share\\dir"), 15u);
    EXPECT_EQ(PosFrom("\\", 16, "\\\\server\\share\\dir"), 0u);
    EXPECT_EQ(PosFrom("ab", 0, "xab"), 2u);
    EXPECT_EQ(PosFrom("ab", 4, "xab"), 0u);
    EXPECT_EQ(PosFrom("", 1, "xab"), 0u);

    const std::string far = std::string(254, 'x') + "\\";
    EXPECT_EQ(PosFrom("\\", 1, far), 255u);
    EXPECT_EQ(PosFrom("\\", 1, "x" + far), 0u);
    EXPECT_EQ(PosFrom("\\", 2, "x" + far), 256u);
    // An occurrence that runs past the window is not found.
    EXPECT_EQ(PosFrom("x\\", 1, std::string(254, 'y') + "x\\"), 0u);
    // The window counts characters: 254 two-byte characters then the target.
    std::string wide;
    for (int i = 0; i < 254; ++i)
        wide += "\xC3\xA9";
    EXPECT_EQ(PosFrom("\\", 1, wide + "\\"), 509u);
}

TEST(TextPrimitives, KeyPositionFoldsAsciiLettersOnly) {
    EXPECT_EQ(KeyPosition("byte:", "Byte: 12"), 1u);
    EXPECT_EQ(KeyPosition("FILECOUNT:", "x filecount: 3"), 3u);
    EXPECT_EQ(KeyPosition("skipped:", "filecount: 3"), 0u);
    EXPECT_EQ(KeyPosition("", "abc"), 0u);
    EXPECT_EQ(KeyPosition("abcd", "abc"), 0u);
    EXPECT_EQ(KeyPosition("[", "{"), 0u);  // '[' and '{' differ by the case bit
    EXPECT_EQ(KeyPosition("\xC3\xA9", "caf\xC3\x89"), 0u);
    EXPECT_EQ(KeyPosition("\xC3\xA9", "caf\xC3\xA9"), 4u);
}

TEST(TextPrimitives, IsAsciiLetterExcludesNeighboursAndHighBytes) {
    EXPECT_TRUE(IsAsciiLetter('A'));
    EXPECT_TRUE(IsAsciiLetter('z'));
    EXPECT_FALSE(IsAsciiLetter('@'));
    EXPECT_FALSE(IsAsciiLetter('['));
    EXPECT_FALSE(IsAsciiLetter('`'));
    EXPECT_FALSE(IsAsciiLetter('{'));
    EXPECT_FALSE(IsAsciiLetter('\xE9'));
}

TEST(TextPrimitives, TrimLeadingSpacesLeavesSpaceOnlyTextsAlone) {
    std::string text = "  12 ";
    EXPECT_FALSE(TrimLeadingSpaces(text));
    EXPECT_EQ(text, "12 ");
    text = "\t1";
    EXPECT_FALSE(TrimLeadingSpaces(text));
    EXPECT_EQ(text, "\t1");
    text = "   ";
    EXPECT_FALSE(TrimLeadingSpaces(text));
    EXPECT_EQ(text, "   ");
    text.clear();
    EXPECT_TRUE(TrimLeadingSpaces(text));
}

TEST(TextPrimitives, TrimLeadingSpacesKeepsAtMost5000WholeCharacters) {
    std::string rest;
    for (int i = 0; i < 5001; ++i)
        rest += "\xE2\x82\xAC";
    std::string text = " " + rest;
    TrimLeadingSpaces(text);
    EXPECT_EQ(Utf8Length(text), 5000u);
    EXPECT_EQ(text.size(), 15000u);
}

TEST(TextPrimitives, StripCommentCutsAtTheFirstSemicolon) {
    EXPECT_EQ(Stripped("  -s ;comment"), "  -s");
    EXPECT_EQ(Stripped("a  ;b;c"), "a");
    EXPECT_EQ(Stripped("a; ;b"), "a");
    EXPECT_EQ(Stripped(";all comment"), "");
    EXPECT_EQ(Stripped("   ;x"), "");
    EXPECT_EQ(Stripped("no comment  "), "no comment  ");
}

TEST(TextPrimitives, CleanSpecLineTellsWhetherSomethingIsLeft) {
    std::string line = "  -s ;comment";
    EXPECT_TRUE(CleanSpecLine(line));
    EXPECT_EQ(line, "-s");
    line = ";comment";
    EXPECT_FALSE(CleanSpecLine(line));
    EXPECT_EQ(line, "");
    line = "   ";
    EXPECT_TRUE(CleanSpecLine(line));
    EXPECT_EQ(line, "   ");
    line = "";
    EXPECT_FALSE(CleanSpecLine(line));
}

TEST(TextPrimitives, UnquoteNeedsBothQuotes) {
    EXPECT_EQ(Unquoted("\"C:\\my dir\""), "C:\\my dir");
    EXPECT_EQ(Unquoted("\"C:\\my dir"), "\"C:\\my dir");
    EXPECT_EQ(Unquoted("C:\\my dir\""), "C:\\my dir\"");
    EXPECT_EQ(Unquoted("\""), "");
    EXPECT_EQ(Unquoted("\"\""), "");
    EXPECT_EQ(Unquoted(""), "");
}

TEST(TextPrimitives, QuoteWrapsOnlyUnquotedNonEmptyTexts) {
    EXPECT_EQ(Quoted("C:\\my dir\\x.exe"), "\"C:\\my dir\\x.exe\"");
    EXPECT_EQ(Quoted(""), "");
    EXPECT_EQ(Quoted("\"half"), "\"half");
    EXPECT_EQ(Quoted("half\""), "half\"");
}

}  // namespace
}  // namespace brenx::support
