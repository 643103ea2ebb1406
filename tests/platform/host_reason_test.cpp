// The words the operator reads for each host error.
#include "platform/host_reason.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <set>

#include "platform/posix/errno_error.h"

namespace brenx::platform {
namespace {

TEST(HostErrorReason, EveryErrorHasItsOwnFewWords) {
    EXPECT_EQ(HostErrorReason(HostError::None), "");
    std::set<std::string> seen;
    for (int e = static_cast<int>(HostError::NotFound); e <= static_cast<int>(HostError::Other);
         ++e) {
        const std::string reason = HostErrorReason(static_cast<HostError>(e));
        EXPECT_FALSE(reason.empty()) << e;
        EXPECT_TRUE(seen.insert(reason).second) << reason;
    }
}

// Where no kind says what happened, the host's own words do; a medium that
// is gone is not told in Windows' words ("The device is not ready.").
TEST(HostErrorReason, ErrorsWithoutAKindGiveTheHostsWords) {
    const HostError stale = HostErrorFromErrno(ESTALE);
    EXPECT_EQ(HostErrorReason(stale), strerror(ESTALE));
    EXPECT_EQ(HostErrorText(stale), strerror(ESTALE));
    EXPECT_EQ(HostErrorText(HostError::NoMedia), HostErrorReason(HostError::NoMedia));
}

}  // namespace
}  // namespace brenx::platform
