#include "options/ini_text.h"

#include <gtest/gtest.h>

#include <string>

namespace brenx::options {
namespace {

TEST(IniText, ReadsKeysOfTheNamedSectionWithoutRegardToCase) {
    const IniText ini(
        "[brenx]\r\nRecurse=1\r\ndestination=e:\\backup\\\r\n"
        "[other]\r\nrecurse=0\r\nlog=x.txt\r\n");
    EXPECT_EQ(ini.Find("brenx", "recurse"), "1");
    EXPECT_EQ(ini.Find("BRENX", "DESTINATION"), "e:\\backup\\");
    EXPECT_EQ(ini.Find("other", "recurse"), "0");
    EXPECT_EQ(ini.Find("brenx", "log"), std::nullopt);
    EXPECT_EQ(ini.Find("missing", "recurse"), std::nullopt);
    EXPECT_EQ(IniText().Find("brenx", "recurse"), std::nullopt);
}

// Lines ending in CR alone (an old Mac editor's) read as any others, and a
// key written into them gets the same line end.
TEST(IniText, LinesEndingInCrAloneReadLikeAnyOther) {
    IniText ini("[brenx]\rrecurse=1\rlog=run.log\r");
    EXPECT_EQ(ini.Find("brenx", "recurse"), "1");
    EXPECT_EQ(ini.Find("brenx", "log"), "run.log");
    EXPECT_TRUE(ini.Set("brenx", "recurse", "0") && ini.Set("brenx", "x", "2"));
    EXPECT_EQ(ini.Text(), "[brenx]\rrecurse=0\rlog=run.log\rx=2\r");
}

TEST(IniText, HandEditedFileStillReadsWhatAPersonExpects) {
    const IniText ini(
        "\xEF\xBB\xBF"
        "recurse=7\n"                    // before any section: never read
        "; [brenx] recurse=5\n"          // a comment
        "  [ Brenx ]   ; profile one\n"  // blanks around and text after the bracket
        "\trecurse =  1  \n"
        "just some words\n"
        "log\t=\t\"c:\\my logs\\run.txt\"\r\n"
        "warning='careful'\n"
        "  ;NewerOnly=0\n"
        "NewerOnly = 0 ; off\n"
        "empty=\n"
        "recurse=0\n"  // a duplicate: the first one wins
        "[second]\n"
        "x=1\n"
        "[brenx]\n"  // the section again: its keys are found too
        "hidden=1\n"
        "counts=last line without a line end");
    EXPECT_EQ(ini.Find("brenx", "recurse"), "1");
    EXPECT_EQ(ini.Find("brenx", "log"), "c:\\my logs\\run.txt");
    EXPECT_EQ(ini.Find("brenx", "warning"), "careful");
    EXPECT_EQ(ini.Find("brenx", "NewerOnly"), "0 ; off");
    EXPECT_EQ(ini.Find("brenx", "empty"), "");
    EXPECT_EQ(ini.Find("brenx", "just some words"), std::nullopt);
    EXPECT_EQ(ini.Find("brenx", "hidden"), "1");
    EXPECT_EQ(ini.Find("brenx", "counts"), "last line without a line end");
    EXPECT_EQ(ini.Find("second", "x"), "1");
    EXPECT_EQ(ini.Find("second", "hidden"), std::nullopt);
    // An unmatched quote and a lone quote stay as written.
    EXPECT_EQ(IniText("[s]\nk=\"half\n").Find("s", "k"), "\"half");
    EXPECT_EQ(IniText("[s]\nk=\"\n").Find("s", "k"), "\"");
    // A header without its closing bracket opens nothing.
    EXPECT_EQ(IniText("[s]\nk=1\n[t\nk=2\n").Find("s", "k"), "1");
}

TEST(IniText, LongValuesAreCutAndGarbageNeverCrashes) {
    const std::string longValue(100000, 'v');
    const IniText ini("[s]\nbig=" + longValue + "\nafter=ok\n");
    EXPECT_EQ(ini.Find("s", "big"), std::string(2047, 'v'));
    EXPECT_EQ(ini.Find("s", "after"), "ok");

    // 2,047 characters, not bytes: a two-byte letter is never cut in two.
    std::string accented;
    for (int i = 0; i < 3000; ++i)
        accented += "\xC3\xA9";
    const auto cut = IniText("[s]\nk=" + accented + "\n").Find("s", "k");
    ASSERT_TRUE(cut.has_value());
    EXPECT_EQ(cut->size(), 2047u * 2);

    std::string garbage;
    for (int i = 0; i < 20000; ++i)
        garbage += static_cast<char>((i * 7919) % 256);
    const IniText noisy(garbage + "\n[s]\nk=found\n" + garbage);
    EXPECT_EQ(noisy.Find("s", "k"), "found");
    std::string withNul("[s]\nk=a");
    withNul += '\0';
    withNul += "b\n";
    EXPECT_EQ(IniText(withNul).Find("s", "k"), std::string("a\0b", 3));
}

TEST(IniText, WritingReplacesInPlaceAndKeepsEveryOtherLine) {
    IniText ini("; placements\r\n[main]\r\n  Top = 5 ; old\r\nleft=7\r\n\r\n[msg]\r\ntop=1\r\n");
    EXPECT_TRUE(ini.Set("MAIN", "top", "40"));
    EXPECT_EQ(ini.Text(), "; placements\r\n[main]\r\n  Top=40\r\nleft=7\r\n\r\n[msg]\r\ntop=1\r\n");
    EXPECT_TRUE(ini.Set("main", "width", "300"));
    EXPECT_EQ(ini.Text(),
              "; placements\r\n[main]\r\n  Top=40\r\nleft=7\r\nwidth=300\r\n\r\n[msg]\r\n"
              "top=1\r\n");
    EXPECT_TRUE(ini.Set("media", "height", "90"));
    EXPECT_EQ(ini.Find("media", "height"), "90");
    EXPECT_TRUE(ini.Text().ends_with("top=1\r\n[media]\r\nheight=90\r\n"));
    EXPECT_EQ(ini.Find("main", "top"), "40");
    EXPECT_EQ(ini.Find("msg", "top"), "1");
}

TEST(IniText, WritingCreatesTheTextAndFollowsItsLineEnds) {
    IniText empty;
    EXPECT_TRUE(empty.Set("screen", "width", "1024"));
    EXPECT_EQ(empty.Text(), "[screen]\r\nwidth=1024\r\n");

    IniText unix("[screen]\nwidth=1\n");
    EXPECT_TRUE(unix.Set("screen", "height", "2"));
    EXPECT_EQ(unix.Text(), "[screen]\nwidth=1\nheight=2\n");

    IniText unterminated("[screen]\nwidth=1");
    EXPECT_TRUE(unterminated.Set("screen", "height", "2"));
    EXPECT_EQ(unterminated.Text(), "[screen]\nwidth=1\nheight=2\n");
    IniText otherSection("[a]\nx=1");
    EXPECT_TRUE(otherSection.Set("b", "y", "2"));
    EXPECT_EQ(otherSection.Text(), "[a]\nx=1\n[b]\ny=2\n");

    // A last line ended by a lone CR (a line end cut in two) keeps its value,
    // and the new key gets a line of its own.
    for (const char* text : {"[s]\r\nold=1\r", "[s]\nold=1\r"}) {
        IniText cut(text);
        EXPECT_TRUE(cut.Set("s", "new", "2"));
        EXPECT_EQ(cut.Find("s", "old"), "1") << cut.Text();
        EXPECT_EQ(cut.Find("s", "new"), "2") << cut.Text();
    }
    IniText cutBeforeSection("[a]\r\nx=1\r");
    EXPECT_TRUE(cutBeforeSection.Set("b", "y", "2"));
    EXPECT_EQ(cutBeforeSection.Text(), "[a]\r\nx=1\r\n[b]\r\ny=2\r\n");

    IniText refused("[a]\r\n");
    EXPECT_FALSE(refused.Set("a", "", "1"));
    EXPECT_FALSE(refused.Set("a", "k=v", "1"));
    EXPECT_FALSE(refused.Set("a", ";k", "1"));
    EXPECT_FALSE(refused.Set("a", " k", "1"));
    EXPECT_FALSE(refused.Set("a]", "k", "1"));
    EXPECT_FALSE(refused.Set("\ta", "k", "1"));
    EXPECT_FALSE(refused.Set("a", "k", "1\r\n[b]"));
    EXPECT_EQ(refused.Text(), "[a]\r\n");
}

TEST(IniText, IntegersAreDecimalOrHexadecimalAndNothingElse) {
    EXPECT_EQ(ParseIniInteger("42"), 42);
    EXPECT_EQ(ParseIniInteger("  -7 "), -7);
    EXPECT_EQ(ParseIniInteger("+3"), 3);
    EXPECT_EQ(ParseIniInteger("0x1F"), 31);
    EXPECT_EQ(ParseIniInteger("0Xff"), 255);
    EXPECT_EQ(ParseIniInteger("$10"), 16);
    EXPECT_EQ(ParseIniInteger("-$10"), -16);
    EXPECT_EQ(ParseIniInteger("$FFFFFFFF"), -1);
    EXPECT_EQ(ParseIniInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseIniInteger("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ParseIniInteger("2147483648"), std::nullopt);
    EXPECT_EQ(ParseIniInteger("99999999999999999999"), std::nullopt);
    EXPECT_EQ(ParseIniInteger("$123456789"), std::nullopt);
    EXPECT_EQ(ParseIniInteger(""), std::nullopt);
    EXPECT_EQ(ParseIniInteger("0x"), std::nullopt);
    EXPECT_EQ(ParseIniInteger("-"), std::nullopt);
    EXPECT_EQ(ParseIniInteger("1 ; on"), std::nullopt);
    EXPECT_EQ(ParseIniInteger("12abc"), std::nullopt);
    EXPECT_EQ(ParseIniInteger("ten"), std::nullopt);
    EXPECT_EQ(ParseIniInteger("1 2"), std::nullopt);
}

}  // namespace
}  // namespace brenx::options
