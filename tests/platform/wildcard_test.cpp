#include "platform/wildcard.h"

#include <gtest/gtest.h>

namespace brenx::platform {
namespace {

TEST(Wildcard, StarAndStarDotStar) {
    for (const char* name : {"a", "readme", "a.txt", "x.tar.gz", ".hidden", ".", ".."}) {
        EXPECT_TRUE(MatchesWildcard(name, "*")) << name;
        EXPECT_TRUE(MatchesWildcard(name, "*.*")) << name;
    }
    EXPECT_TRUE(MatchesWildcard("a.txt", "*.txt"));
    EXPECT_TRUE(MatchesWildcard("x.tar.txt", "*.txt"));
    EXPECT_FALSE(MatchesWildcard("a.txt.bak", "*.txt"));
    EXPECT_TRUE(MatchesWildcard("abc", "a*c"));
    EXPECT_TRUE(MatchesWildcard("ac", "a*c"));
    EXPECT_FALSE(MatchesWildcard("abd", "a*c"));
}

TEST(Wildcard, DotRules) {
    // "*." takes names without an extension only.
    EXPECT_TRUE(MatchesWildcard("readme", "*."));
    EXPECT_FALSE(MatchesWildcard("a.txt", "*."));
    // A dot before a wildcard also matches the end of the name.
    EXPECT_TRUE(MatchesWildcard("abc", "abc.*"));
    EXPECT_TRUE(MatchesWildcard("abc.d", "abc.*"));
    EXPECT_FALSE(MatchesWildcard("abcd", "abc.*"));
    // "*" before a dot stops at the last dot of the name.
    EXPECT_TRUE(MatchesWildcard("a.b.c", "*.c"));
    EXPECT_FALSE(MatchesWildcard("a.c.d", "*.c"));
}

TEST(Wildcard, QuestionMarks) {
    EXPECT_TRUE(MatchesWildcard("abc", "a?c"));
    EXPECT_FALSE(MatchesWildcard("ac", "a?c"));
    EXPECT_FALSE(MatchesWildcard("a.c", "a?c"));
    // Before a dot or at the end, "?" may also match nothing.
    EXPECT_TRUE(MatchesWildcard("file.txt", "file?.txt"));
    EXPECT_TRUE(MatchesWildcard("file1.txt", "file?.txt"));
    EXPECT_FALSE(MatchesWildcard("file12.txt", "file?.txt"));
    EXPECT_TRUE(MatchesWildcard("ab", "ab??"));
    EXPECT_TRUE(MatchesWildcard("abcd", "ab??"));
    EXPECT_FALSE(MatchesWildcard("abcde", "ab??"));
    // One "?" is one character, however many bytes it takes.
    EXPECT_TRUE(MatchesWildcard("caf\xC3\xA9", "caf?"));
    EXPECT_TRUE(MatchesWildcard("\xE2\x82\xAC.txt", "?.txt"));
}

TEST(Wildcard, CaseIsIgnored) {
    EXPECT_TRUE(MatchesWildcard("README.TXT", "readme.txt"));
    EXPECT_TRUE(MatchesWildcard("Photo.JPG", "*.jpg"));
    EXPECT_FALSE(MatchesWildcard("readme.txt", "readme.tx"));
    EXPECT_FALSE(MatchesWildcard("ab", "?"));
    EXPECT_TRUE(MatchesWildcard("", "*"));
}

}  // namespace
}  // namespace brenx::platform
