// The words the operator reads for each host error.
#include "platform/host_reason.h"

#include <gtest/gtest.h>

#include <set>

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

}  // namespace
}  // namespace brenx::platform
