#include "options/line_end_stream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/memory_stream.h"
#include "support/text_file.h"

namespace brenx::options {
namespace {

std::vector<std::string> Lines(support::ByteStream& stream) {
    std::vector<std::string> lines;
    std::string line;
    while (support::ReadTextLine(stream, line))
        lines.push_back(line);
    lines.push_back("<" + line + ">");  // what was left at the end
    return lines;
}

TEST(LineEndStream, EveryLineEndStyleEndsALine) {
    support::MemoryStream file("lf\ncrlf\r\ncr\r\n\nlast");
    LineEndStream stream(file);
    EXPECT_EQ(Lines(stream), (std::vector<std::string>{"lf", "crlf", "cr", "", "<last>"}));
}

TEST(LineEndStream, ResumingAfterALineKeepsCrLfOneLineEnd) {
    support::MemoryStream file("one\r\ntwo\nthree\r\n");
    LineEndStream stream(file);
    std::string line;
    ASSERT_TRUE(support::ReadTextLine(stream, line));
    const std::int64_t afterOne = stream.Position();
    ASSERT_TRUE(support::ReadTextLine(stream, line));
    const std::int64_t afterTwo = stream.Position();

    ASSERT_TRUE(stream.Seek(afterOne));  // stands between CR and LF
    EXPECT_TRUE(support::ReadTextLine(stream, line));
    EXPECT_EQ(line, "two");
    ASSERT_TRUE(stream.Seek(afterTwo));
    EXPECT_TRUE(support::ReadTextLine(stream, line));
    EXPECT_EQ(line, "three");
    ASSERT_TRUE(stream.Seek(0));
    EXPECT_TRUE(support::ReadTextLine(stream, line));
    EXPECT_EQ(line, "one");
    EXPECT_EQ(stream.Write("x", 1), -1);
}

}  // namespace
}  // namespace brenx::options
