#include "platform/posix/process_start.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/clock.h"
#include "platform/posix/host_process_starter.h"
#include "temp_drives.h"

namespace brenx::platform {
namespace {

using testing::TempDrives;
using Words = std::vector<std::string>;

bool WaitFor(const std::function<bool()>& done) {
    for (int i = 0; i < 500; ++i) {
        if (done()) return true;
        SleepMilliseconds(10);
    }
    return done();
}

TEST(ProcessStart, ArgumentsGetHostPaths) {
    const DriveMap map = DriveMap::Parse("d=/data;e=/media/usb", "/net");
    Words words;
    ASSERT_EQ(HostArguments("\"d:\\Tools\\pack.exe\" \"e:\\src dir\\\"  -r \\\\srv\\sh\\x d:rel",
                            map, "c:\\", words),
              HostError::None);
    EXPECT_EQ(words, (Words{"/data/Tools/pack.exe", "/media/usb/src dir/", "-r", "/net/srv/sh/x",
                            "d:rel"}));
    ASSERT_EQ(HostArguments("bin\\tool e:\\a;b", map, "d:\\work", words), HostError::None);
    EXPECT_EQ(words, (Words{"/data/work/bin/tool", "/media/usb/a;b"}));
    ASSERT_EQ(HostArguments("true x", map, "d:\\", words), HostError::None);
    EXPECT_EQ(words, (Words{"true", "x"}));
    // An argument on a drive without media passes as it is; the program cannot start.
    ASSERT_EQ(HostArguments("/bin/true q:\\x", map, "d:\\", words), HostError::None);
    EXPECT_EQ(words, (Words{"/bin/true", "q:\\x"}));
    EXPECT_EQ(HostArguments("q:\\prog", map, "d:\\", words), HostError::NoMedia);
    EXPECT_EQ(HostArguments("  ", map, "d:\\", words), HostError::InvalidArgument);
}

TEST(ProcessStart, StartsWithoutWaitingAndReportsFailureAtOnce) {
    TempDrives t;
    HostError error = HostError::Other;
    EXPECT_TRUE(StartCommandLine("true", t.Map(), "d:\\", error));
    EXPECT_EQ(error, HostError::None);
    EXPECT_TRUE(WaitFor([] { return ReapStartedProcesses() == 0; }));

    EXPECT_FALSE(StartCommandLine("d:\\no-such-program", t.Map(), "d:\\", error));
    EXPECT_EQ(error, HostError::NotFound);
    t.Write("d/not-executable", "#!/bin/sh\n");
    EXPECT_FALSE(StartCommandLine("d:\\not-executable", t.Map(), "d:\\", error));
    EXPECT_EQ(error, HostError::AccessDenied);
    EXPECT_FALSE(StartCommandLine("", t.Map(), "d:\\", error));
    EXPECT_EQ(error, HostError::InvalidArgument);

    // A long-running program is not waited for.
    const std::uint32_t before = TickCount();
    EXPECT_TRUE(StartCommandLine("sleep 0.3", t.Map(), "d:\\", error));
    EXPECT_LT(TickCount() - before, 250u);
    EXPECT_EQ(ReapStartedProcesses(), 1);
    EXPECT_TRUE(WaitFor([] { return ReapStartedProcesses() == 0; }));
}

TEST(ProcessStart, NoShellEverReadsTheText) {
    TempDrives t;
    ASSERT_TRUE(t.Fs().SetCurrentDirectory("d:\\"));
    HostProcessStarter starter(t.Fs());
    HostError error = HostError::Other;
    ASSERT_TRUE(starter.Start(
        "touch \"semi;touch pwned1\" \"$(touch pwned2)\" \"`touch pwned3`\" \"a|touch pwned4\" "
        "\"b>pwned5\"",
        error));
    ASSERT_TRUE(WaitFor([&] { return t.Exists("d/b>pwned5"); }));
    EXPECT_TRUE(WaitFor([] { return ReapStartedProcesses() == 0; }));
    EXPECT_TRUE(t.Exists("d/semi;touch pwned1"));
    EXPECT_TRUE(t.Exists("d/$(touch pwned2)"));
    EXPECT_TRUE(t.Exists("d/`touch pwned3`"));
    EXPECT_TRUE(t.Exists("d/a|touch pwned4"));
    for (const char* name : {"pwned1", "pwned2", "pwned3", "pwned4", "pwned5"}) {
        EXPECT_FALSE(t.Exists(std::string("d/") + name)) << name;
    }
}

}  // namespace
}  // namespace brenx::platform
