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
    EXPECT_EQ(FileAddress("/odd\\name", ""), "file:///odd%5Cname");
    EXPECT_EQ(FileAddress("C:\\Brenx\\brenx help\\brenfrm.htm", "media"),
              "file:///C:/Brenx/brenx%20help/brenfrm.htm#media");
    EXPECT_EQ(FileAddress("\\\\server\\share\\h.htm", ""), "file://server/share/h.htm");
}

}  // namespace
}  // namespace brenx::support
