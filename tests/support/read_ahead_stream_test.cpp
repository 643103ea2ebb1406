#include "support/read_ahead_stream.h"

#include <gtest/gtest.h>

#include <string>

#include "support/memory_stream.h"
#include "support/text_file.h"

namespace brenx::support {
namespace {

std::string Lines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    return text;
}

TEST(ReadAheadStream, LinesAndPositionsMatchTheUnbufferedStream) {
    const std::string text = Lines(200);
    MemoryStream plain(text);
    MemoryStream underlying(text);
    ReadAheadStream buffered(underlying, 7);  // a block size that splits lines
    std::string a, b;
    while (true) {
        const bool gotA = ReadTextLine(plain, a);
        const bool gotB = ReadTextLine(buffered, b);
        ASSERT_EQ(gotA, gotB);
        ASSERT_EQ(a, b);
        ASSERT_EQ(plain.Position(), buffered.Position());
        if (!gotA) break;
    }
}

TEST(ReadAheadStream, SeekResumesExactlyWhereAskedAndWritesAreRefused) {
    MemoryStream underlying(Lines(10));
    ReadAheadStream buffered(underlying, 16);
    std::string line;
    ASSERT_TRUE(ReadTextLine(buffered, line));
    const std::int64_t resume = buffered.Position();
    ASSERT_TRUE(ReadTextLine(buffered, line));
    ASSERT_TRUE(ReadTextLine(buffered, line));
    ASSERT_TRUE(buffered.Seek(resume));
    ASSERT_TRUE(ReadTextLine(buffered, line));
    EXPECT_EQ(line, "line 1");
    EXPECT_EQ(buffered.Write("x", 1), -1);
}

TEST(ReadAheadStream, BytesBeforeAFailureArriveThenTheFailure) {
    MemoryStream underlying("abcdefgh");
    underlying.FailReadsFrom(5);
    ReadAheadStream buffered(underlying, 4);
    char bytes[8] = {};
    EXPECT_EQ(buffered.Read(bytes, 4), 4);
    EXPECT_EQ(buffered.Read(bytes, 4), 1);
    EXPECT_EQ(bytes[0], 'e');
    EXPECT_EQ(buffered.Read(bytes, 4), -1);
}

}  // namespace
}  // namespace brenx::support
