#include "options/skip_rules.h"

#include <gtest/gtest.h>

namespace brenx::options {
namespace {

TEST(SkipRules, NewerRuleLabelFollowsTheDateOptions) {
    JobSettings settings;
    EXPECT_EQ(NewerRuleLabel(settings, false), "NewerOnly");
    EXPECT_EQ(NewerRuleLabel(settings, true), "older than or same date");
    settings.DifferentOnly = true;
    EXPECT_EQ(NewerRuleLabel(settings, false), "Dif_datetime");
    EXPECT_EQ(NewerRuleLabel(settings, true), "Dif_datetime");
}

TEST(SkipRules, CantSkipMatchesAnyOfItsCharacters) {
    JobSettings settings;
    EXPECT_FALSE(IsCantSkipName(settings, "a_b.txt"));
    settings.cant_skip = "_~";
    EXPECT_TRUE(IsCantSkipName(settings, "a_b.txt"));
    EXPECT_TRUE(IsCantSkipName(settings, "x~1.doc"));
    EXPECT_FALSE(IsCantSkipName(settings, "plain.txt"));
    EXPECT_FALSE(IsCantSkipName(settings, ""));
    // "é" (C3 A9) shares its first byte with "ã" (C3 A3) but is another character.
    settings.cant_skip = "\xC3\xA9";
    EXPECT_TRUE(IsCantSkipName(settings, "caf\xC3\xA9.txt"));
    EXPECT_FALSE(IsCantSkipName(settings, "s\xC3\xA3o.txt"));
}

}  // namespace
}  // namespace brenx::options
