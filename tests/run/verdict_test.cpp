#include "run/verdict.h"

#include <gtest/gtest.h>

#include "run/exit_codes.h"

namespace brenx::run {
namespace {

TEST(Verdict, KeepsTheFailureThatStandsOverTheOthers) {
    struct Case {
        std::int32_t first;
        std::int32_t later;
        std::int32_t stands;
    };
    const Case cases[] = {
        {kExitGaveUp, kExitCopyFiles, kExitCopyFiles},  // the walk sums it up
        {kExitNoRoom, kExitCopyDirectories, kExitCopyDirectories},
        {kExitReadFiles, kExitReadDirectories, kExitReadDirectories},
        {kExitUserCancelled, kExitVerifyFailed, kExitVerifyFailed},
        {kExitFlushFailed, kExitCopyFiles, kExitFlushFailed},  // a failed flush stays
        {kExitCopyFiles, kExitFlushFailed, kExitCopyFiles},
        {kExitNoMedia, kExitKeyFileMissing, kExitNoMedia},  // otherwise the first stays
        {kExitCopyFiles, kExitCrcLinesLost, kExitCopyFiles},
    };
    for (const Case& c : cases) {
        Verdict verdict;
        verdict.Fail(c.first, "first");
        verdict.Fail(c.later, "later");
        EXPECT_EQ(verdict.Code(), c.stands) << c.first << " then " << c.later;
        EXPECT_EQ(verdict.Reason(), c.stands == c.first ? "first" : "later");
    }
}

TEST(Verdict, CarriesTheExpectedReasonAndTellsEachReasonOnce) {
    Verdict verdict;
    EXPECT_EQ(verdict.Reason(), "undocumented");
    verdict.Provisional(kExitCheckingDirectories);
    EXPECT_FALSE(verdict.Failed());  // no failure: questions are still put
    EXPECT_EQ(verdict.Code(), kExitCheckingDirectories);
    verdict.Provisional(kExitSuccess);

    verdict.Expect("No media");
    verdict.Fail(kExitNoMedia);
    EXPECT_EQ(verdict.Reason(), "No media");
    EXPECT_TRUE(verdict.TakeUntold());
    EXPECT_FALSE(verdict.TakeUntold());

    verdict.Ok();  // the operator skipped the job
    EXPECT_FALSE(verdict.Failed());
    EXPECT_EQ(verdict.Code(), kExitSuccess);
    verdict.Fail(kExitBadDirectories, "CheckDirectories");
    EXPECT_TRUE(verdict.TakeUntold());
}

}  // namespace
}  // namespace brenx::run
