#include "platform/command_line.h"

#include <gtest/gtest.h>

namespace brenx::platform {
namespace {

using Words = std::vector<std::string>;

TEST(CommandLine, ProgramNameRule) {
    EXPECT_EQ(SplitWindowsCommandLine(""), Words{});
    EXPECT_EQ(SplitWindowsCommandLine("   "), Words{});
    EXPECT_EQ(SplitWindowsCommandLine("prog"), Words{"prog"});
    EXPECT_EQ(SplitWindowsCommandLine("  prog  a\tb "), (Words{"prog", "a", "b"}));
    // Quotes only group in the program name; backslashes are plain.
    EXPECT_EQ(SplitWindowsCommandLine("\"C:\\Program Files\\x.exe\" a"),
              (Words{"C:\\Program Files\\x.exe", "a"}));
    EXPECT_EQ(SplitWindowsCommandLine("\"c:\\dir\\\" a"), (Words{"c:\\dir\\", "a"}));
    EXPECT_EQ(SplitWindowsCommandLine("a\"b c\"d e"), (Words{"ab cd", "e"}));
}

TEST(CommandLine, ArgumentQuotingRules) {
    EXPECT_EQ(SplitWindowsCommandLine("p \"a b\" c"), (Words{"p", "a b", "c"}));
    EXPECT_EQ(SplitWindowsCommandLine("p a\"b c\"d"), (Words{"p", "ab cd"}));
    EXPECT_EQ(SplitWindowsCommandLine("p \"\""), (Words{"p", ""}));
    EXPECT_EQ(SplitWindowsCommandLine("p \"say \"\"hi\"\"\""), (Words{"p", "say \"hi\""}));
    // Backslashes count only before a quote.
    EXPECT_EQ(SplitWindowsCommandLine("p a\\b\\\\c"), (Words{"p", "a\\b\\\\c"}));
    EXPECT_EQ(SplitWindowsCommandLine("p a\\\"b"), (Words{"p", "a\"b"}));
    EXPECT_EQ(SplitWindowsCommandLine("p a\\\\\"b c\""), (Words{"p", "a\\b c"}));
    EXPECT_EQ(SplitWindowsCommandLine("p a\\\\\\\"b"), (Words{"p", "a\\\"b"}));
    EXPECT_EQ(SplitWindowsCommandLine("p \"x \\\"y\\\" z\""), (Words{"p", "x \"y\" z"}));
}

TEST(CommandLine, QuotedDirectoryKeepsItsBackslash) {
    // The program's own commands: quoted program, quoted source ending in a
    // backslash, an empty destination place, then the switches.
    EXPECT_EQ(SplitWindowsCommandLine("\"C:\\Tools\\pack.exe\" \"d:\\data\\\"  -r -a"),
              (Words{"C:\\Tools\\pack.exe", "d:\\data\\", "-r", "-a"}));
    EXPECT_EQ(SplitWindowsCommandLine("p \"d:\\data\\\""), (Words{"p", "d:\\data\\"}));
    EXPECT_EQ(SplitWindowsCommandLine("p \"d:\\a\\\" \"e:\\b\\\""),
              (Words{"p", "d:\\a\\", "e:\\b\\"}));
    // An even run before the quote keeps the Windows meaning.
    EXPECT_EQ(SplitWindowsCommandLine("p \"d:\\\\\" x"), (Words{"p", "d:\\", "x"}));
}

}  // namespace
}  // namespace brenx::platform
