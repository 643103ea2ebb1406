// The errors a USB stick gives, and the words the operator reads for them.
#include "platform/host_reason.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <set>

namespace brenx::platform {
namespace {

TEST(HostErrorFromErrno, TellsApartWhatARemovableMediumGives) {
    EXPECT_EQ(HostErrorFromErrno(EILSEQ), HostError::InvalidName);
    EXPECT_EQ(HostErrorFromErrno(ENAMETOOLONG), HostError::NameTooLong);
    EXPECT_EQ(HostErrorFromErrno(ELOOP), HostError::LinkLoop);
    EXPECT_EQ(HostErrorFromErrno(ENOSPC), HostError::NoSpace);
    EXPECT_EQ(HostErrorFromErrno(EIO), HostError::IoError);
    EXPECT_EQ(HostErrorFromErrno(EUCLEAN), HostError::IoError);
    EXPECT_EQ(HostErrorFromErrno(EROFS), HostError::WriteProtected);
    // A stick pulled out: the device is gone, or its FUSE daemon with it.
    EXPECT_EQ(HostErrorFromErrno(ENODEV), HostError::NoMedia);
    EXPECT_EQ(HostErrorFromErrno(ENXIO), HostError::NoMedia);
    EXPECT_EQ(HostErrorFromErrno(ENOTCONN), HostError::NoMedia);
    EXPECT_EQ(HostErrorFromErrno(ENOSYS), HostError::NotSupported);
}

TEST(HostErrorReason, EveryErrorHasItsOwnFewWords) {
    EXPECT_EQ(HostErrorReason(HostError::None), "");
    EXPECT_EQ(HostErrorReason(HostError::InvalidName), "the name is not valid on this medium");
    EXPECT_EQ(HostErrorReason(HostError::NoSpace), "no space left on the medium");
    EXPECT_EQ(HostErrorReason(HostError::IoError), "input/output error");
    EXPECT_EQ(HostErrorReason(HostError::LinkLoop), "too many levels of links");
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
