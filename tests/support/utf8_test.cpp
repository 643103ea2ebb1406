#include "support/utf8.h"

#include <gtest/gtest.h>

namespace brenx::support {
namespace {

const std::string kCafe = "caf\xC3\xA9";       // é is two bytes
const std::string kEuro = "\xE2\x82\xAC";      // € is three bytes
const std::string kClef = "\xF0\x9D\x84\x9E";  // 𝄞 is four bytes

TEST(Utf8, CountsCharactersNotBytes) {
    EXPECT_EQ(Utf8Length(""), 0u);
    EXPECT_EQ(Utf8Length("plain"), 5u);
    EXPECT_EQ(Utf8Length(kCafe), 4u);
    EXPECT_EQ(Utf8Length(kEuro + kClef + "x"), 3u);
}

TEST(Utf8, CutsNeverSplitACharacter) {
    EXPECT_EQ(Utf8Prefix(kCafe, 4), kCafe);
    EXPECT_EQ(Utf8Prefix(kCafe, 3), "caf");
    EXPECT_EQ(Utf8Prefix(kEuro + kClef, 1), kEuro);
    EXPECT_EQ(Utf8Prefix("ab", 10), "ab");
    EXPECT_EQ(Utf8DropLast(kCafe, 1), "caf");
    EXPECT_EQ(Utf8DropLast(kClef + kEuro, 1), kClef);
    EXPECT_EQ(Utf8DropLast("ab", 2), "");
    EXPECT_EQ(Utf8DropLast("ab", 5), "");
}

TEST(Utf8, MalformedBytesCountAsOneEach) {
    // A lone continuation byte, a truncated sequence and an overlong lead byte.
    EXPECT_EQ(Utf8Length("\x80"), 1u);
    EXPECT_EQ(Utf8Length("a\xE2\x82"), 3u);
    EXPECT_EQ(Utf8Length("\xC0\xAF"), 2u);
    EXPECT_EQ(Utf8Prefix("\xE2\x82"
                         "b",
                         2),
              "\xE2\x82");
}

}  // namespace
}  // namespace brenx::support
