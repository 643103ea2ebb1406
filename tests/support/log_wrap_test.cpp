#include "support/log_wrap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brenx::support {
namespace {

std::string Words(int count, char letter = 'w', std::size_t length = 9) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) text += ' ';
        text += std::string(length, static_cast<char>(letter + i % 3));
    }
    return text;
}

std::vector<std::string> Lines(const std::string& wrapped) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < wrapped.size()) {
        const std::size_t end = wrapped.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "last line has no line break";
            break;
        }
        lines.push_back(wrapped.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

TEST(WrapForLog, TwentyNineLetterWords) {
    const std::string text = Words(20);
    ASSERT_EQ(text.size(), 199u);
    const std::vector<std::string> lines = Lines(WrapForLog(text));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].size(), 69u);
    EXPECT_EQ(lines[1].size(), 69u);
    EXPECT_EQ(lines[2].size(), 59u);
    // Only the breaking spaces are dropped.
    EXPECT_EQ(lines[0] + " " + lines[1] + " " + lines[2], text);
}

TEST(WrapForLog, SeventyEightCharactersFitOnALine) {
    const std::string exact = std::string(38, 'a') + " " + std::string(39, 'b');
    EXPECT_EQ(WrapForLog(exact), exact + "\r\n");
    const std::string over = exact + "b";
    EXPECT_EQ(WrapForLog(over), std::string(38, 'a') + "\r\n" + std::string(40, 'b') + "\r\n");
    // Width counts characters, not bytes.
    std::string accented;
    for (int i = 0; i < 38; ++i)
        accented += "\xC3\xA9";
    accented += " " + std::string(39, 'b');
    EXPECT_EQ(WrapForLog(accented), accented + "\r\n");
}

TEST(WrapForLog, ALineBreakInTheTextStartsTheCountAgain) {
    // Two lines of 70 characters each fit as they are: a question and its reason.
    const std::string first = std::string(60, 'q') + " new media?";
    const std::string second = "(" + std::string(40, 'r') + " of the reason here)";
    EXPECT_EQ(WrapForLog(first + "\r\n" + second + "\r\n):mrOK"),
              first + "\r\n" + second + "\r\n):mrOK\r\n");
    // A second line too long for itself breaks by its own width.
    const std::string longer = std::string(50, 'a') + " " + std::string(30, 'b');
    EXPECT_EQ(WrapForLog("x\r\n" + longer),
              "x\r\n" + std::string(50, 'a') + "\r\n" + std::string(30, 'b') + "\r\n");
}

TEST(WrapForLog, LongWordsShortTextsAndSpaces) {
    EXPECT_EQ(WrapForLog(""), "");
    EXPECT_EQ(WrapForLog("short"), "short\r\n");
    const std::string longWord(100, 'x');
    EXPECT_EQ(WrapForLog("short " + longWord + " tail"), "short\r\n" + longWord + "\r\ntail\r\n");
    EXPECT_EQ(WrapForLog(longWord), longWord + "\r\n");
    // A run of spaces breaks too, and every pass makes progress.
    EXPECT_EQ(WrapForLog(std::string(200, ' ')), std::string(78, ' ') + "\r\n" +
                                                     std::string(78, ' ') + "\r\n" +
                                                     std::string(42, ' ') + "\r\n");
}

TEST(WrapForLog, KeepsAtMost50000CharactersAfterTheFirstBreak) {
    const std::string head(100, 'h');
    const std::string rest = Words(9000);  // 89,999 characters
    const std::string wrapped = WrapForLog(head + " " + rest);
    EXPECT_EQ(wrapped, head + "\r\n" + WrapForLog(rest.substr(0, 50000)));
    // A text without breaks is kept whole.
    const std::string unbroken(120000, 'u');
    EXPECT_EQ(WrapForLog(unbroken).size(), unbroken.size() + 2);
}

}  // namespace
}  // namespace brenx::support
