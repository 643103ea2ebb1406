#include "support/ascii_case.h"

#include <gtest/gtest.h>

namespace brenx::support {
namespace {

struct CaseRow {
    std::string_view text;
    std::string_view lower;
    std::string_view other;
    bool same;
};

// The letters' neighbours ('@', '[', '`', '{') differ from letters by the
// case bit alone; bytes above 127 (here É and é in UTF-8) are not letters.
const CaseRow kRows[] = {
    {"", "", "", true},
    {"Default", "default", "DEFAULT", true},
    {"A1_z", "a1_z", "a1_Z", true},
    {"@[`{", "@[`{", "`{@[", false},
    {"AZ", "az", "az ", false},
    {"caf\xC3\x89", "caf\xC3\x89", "caf\xC3\xA9", false},
    {"caf\xC3\x89", "caf\xC3\x89", "CAF\xC3\x89", true},
};

TEST(AsciiCase, FoldsAndComparesAsciiLettersOnly) {
    for (const CaseRow& row : kRows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(AsciiLower(row.text), row.lower);
        EXPECT_EQ(SameTextIgnoringAsciiCase(row.text, row.other), row.same);
        EXPECT_EQ(SameTextIgnoringAsciiCase(row.other, row.text), row.same);
    }
}

}  // namespace
}  // namespace brenx::support
