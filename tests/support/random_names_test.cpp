#include "support/random_names.h"

#include <gtest/gtest.h>

namespace brenx::support {
namespace {

TEST(RandomNames, EveryRunDrawsTheSameSequence) {
    RandomNames names;
    EXPECT_EQ(names.RandomName(), "aawf");
    EXPECT_EQ(names.RandomName(), "hrie");
    EXPECT_EQ(names.RandomName(), "jlcm");
    // A second generator starts afresh: runs do not share one.
    RandomNames other;
    EXPECT_EQ(other.RandomLetter(), "a");
}

}  // namespace
}  // namespace brenx::support
