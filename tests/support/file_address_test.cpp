#include "support/file_address.h"

#include <gtest/gtest.h>

namespace brenx::support {
namespace {

TEST(FileAddress, EscapesWhatAnAddressCannotHoldAndAddsTheFragment) {
    EXPECT_EQ(FileAddress("/usr/share/brenx/brenfrm.htm", ""),
              "file:///usr/share/brenx/brenfrm.htm");
    EXPECT_EQ(FileAddress("/home/me/my help/caf\xC3\xA9#1%.htm", "media"),
              "file:///home/me/my%20help/caf%C3%A9%231%25.htm#media");
    EXPECT_EQ(FileAddress("/a?b", "x y"), "file:///a%3Fb#x%20y");
}

}  // namespace
}  // namespace brenx::support
