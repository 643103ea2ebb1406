#include "options/log_lines.h"

#include <gtest/gtest.h>

namespace brenx::options {
namespace {

TEST(LogLines, CrcAndMessageLines) {
    EXPECT_EQ(CrcLogLine("e:\\data\\a.txt", 0xABCD), "|e:\\data\\a.txt|ABCD");
    EXPECT_EQ(CrcLogLine("e:\\data\\a.txt", 0), "|e:\\data\\a.txt|0");
    EXPECT_EQ(CrcLogLine("\\\\srv\\share\\%d.txt", 0xFFFFFFFFu),
              "|\\\\srv\\share\\%d.txt|FFFFFFFF");
    EXPECT_EQ(CrcLogLine("e:\\x", 0x0000BEEF), "|e:\\x|BEEF");
    EXPECT_EQ(MessageLogLine("Changed Media"), "|:Changed Media");
    EXPECT_EQ(kLogSeparator.size(), 56u);
}

}  // namespace
}  // namespace brenx::options
