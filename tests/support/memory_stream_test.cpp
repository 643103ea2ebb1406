#include "support/memory_stream.h"

#include <gtest/gtest.h>

#include <string>

namespace brenx::support {
namespace {

TEST(MemoryStream, ReadsLikeAFile) {
    MemoryStream stream("abcdef");
    char buffer[8] = {};
    EXPECT_EQ(stream.Read(buffer, 4), 4);
    EXPECT_EQ(std::string(buffer, 4), "abcd");
    EXPECT_EQ(stream.Read(buffer, 8), 2);
    EXPECT_EQ(stream.Read(buffer, 8), 0);
    EXPECT_TRUE(stream.Seek(100));
    EXPECT_EQ(stream.Read(buffer, 8), 0);
    EXPECT_FALSE(stream.Seek(-1));
    EXPECT_EQ(stream.Position(), 100);
}

TEST(MemoryStream, WritesOverwriteAndExtend) {
    MemoryStream stream("abcdef");
    EXPECT_TRUE(stream.Seek(4));
    EXPECT_EQ(stream.Write("XYZ", 3), 3);
    EXPECT_EQ(stream.Bytes(), "abcdXYZ");
    EXPECT_TRUE(stream.Seek(9));
    EXPECT_EQ(stream.Write("!", 1), 1);
    EXPECT_EQ(stream.Bytes(), std::string("abcdXYZ\0\0!", 10));
}

TEST(MemoryStream, InjectedFailures) {
    MemoryStream stream("abcdef");
    stream.FailReadsFrom(4);
    char buffer[8];
    EXPECT_EQ(stream.Read(buffer, 8), 4);  // stops short of the failing offset
    EXPECT_EQ(stream.Read(buffer, 1), -1);
    EXPECT_TRUE(stream.Seek(2));
    EXPECT_EQ(stream.Read(buffer, 1), 1);

    MemoryStream limited;
    limited.LimitWrites(5);
    EXPECT_EQ(limited.Write("abc", 3), 3);
    EXPECT_EQ(limited.Write("defg", 4), 2);
    EXPECT_EQ(limited.Write("h", 1), 0);
    EXPECT_EQ(limited.Bytes(), "abcde");
}

}  // namespace
}  // namespace brenx::support
