#include "jobs/ex_program.h"

#include <gtest/gtest.h>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "jobs/jobs_world.h"
#include "platform/host_services.h"
#include "run/exit_codes.h"
#ifndef _WIN32
#include "platform/posix/process_start.h"
#endif

namespace brenx::jobs {
namespace {

using testing::JobsWorld;

TEST(ProgramCommand, QuotesBothPathsAndLeavesTheDestinationEmpty) {
    JobsWorld world;
    world.Settings().program = "C:\\Tools\\pack.exe";
    world.Settings().source = "d:\\data\\";
    world.Settings().recurse = true;
    EXPECT_EQ(ProgramCommand(world.run), "\"C:\\Tools\\pack.exe\" \"d:\\data\\\"  -r");
    world.Settings().arconly = true;
    EXPECT_EQ(ProgramCommand(world.run), "\"C:\\Tools\\pack.exe\" \"d:\\data\\\"  -r -a");
    world.Settings().recurse = false;
    world.Settings().program = "\"C:\\Program Files\\x.exe\" -q";
    world.Settings().source = "d:\\my data\\\"";
    EXPECT_EQ(ProgramCommand(world.run), "\"C:\\Program Files\\x.exe\" -q d:\\my data\\\"  -a");
    // With pshort the short forms are passed; this host has none, so a path
    // that exists stands as it is and one that does not is kept.
    world.Settings().pshort = true;
    world.Settings().program = "d:\\missing.exe";
    world.Settings().source = "d:\\";
    world.Settings().arconly = false;
    EXPECT_EQ(ProgramCommand(world.run), "\"d:\\missing.exe\" \"d:\\\" ");
}

TEST(ExProgram, EndsWhenTheProgramDeletesTheFlagFile) {
    JobsWorld world;
    world.Settings().program = "e:\\pack.exe";
    world.Settings().source = "d:\\data\\";
    world.starter.onStart = [&](const std::string&, platform::HostError&) {
        EXPECT_TRUE(world.drives.Exists("d/p~flag"));
        world.fs.DeleteFile("p~flag");
        return true;
    };
    EXPECT_TRUE(ExProgram(world.run));
    ASSERT_EQ(world.starter.started.size(), 1u);
    EXPECT_EQ(world.starter.started[0], "\"e:\\pack.exe\" \"d:\\data\\\" ");
    EXPECT_TRUE(world.op.Waits().empty());
    const std::string log = world.LogText();
    EXPECT_NE(log.find("\r\nWinExec(\"e:\\pack.exe\" \"d:\\data\\\" )\r\n"), std::string::npos);

    // One that takes a while is looked for every 1.5 s, without spinning.
    int waits = 0;
    world.op.onWait = [&](int milliseconds) {
        EXPECT_EQ(milliseconds, kFlagPollMilliseconds);
        if (++waits == 3) world.fs.DeleteFile("d:\\p~flag");
        return false;
    };
    world.starter.onStart = nullptr;
    EXPECT_TRUE(ExProgram(world.run));
    EXPECT_EQ(waits, 3);
    EXPECT_EQ(world.run.verdict.Code(), 0);
}

TEST(ExProgram, AStoppedWaitLeavesTheFlagFile) {
    JobsWorld world;
    world.Settings().program = "e:\\pack.exe";
    world.Settings().source = "d:\\data\\";
    world.Settings().pflag = "e:\\flag.tmp";
    world.op.PressStop();
    world.op.ExpectConfirm("Give up now?", true);
    EXPECT_FALSE(ExProgram(world.run));
    EXPECT_EQ(world.run.verdict.Code(), run::kExitGaveUp);
    EXPECT_TRUE(world.drives.Exists("e/flag.tmp"));
    EXPECT_EQ(world.op.Waits().size(), 1u);
}

TEST(ExProgram, RefusesALongCommandAndReportsAFailedStart) {
    JobsWorld world;
    world.Settings().source = "d:\\";
    // The drive, the quotes, the blanks and the source take 12 characters.
    world.Settings().program = "e:\\" + std::string(115, 'p');
    ASSERT_EQ(ProgramCommand(world.run).size(), 127u);
    world.starter.onStart = [&](const std::string&, platform::HostError&) {
        world.fs.DeleteFile("p~flag");
        return true;
    };
    EXPECT_TRUE(ExProgram(world.run));

    world.Settings().program += "p";
    const std::string command = ProgramCommand(world.run);
    world.op.ExpectError("WinExec(" + command + ") is too long (128)");
    EXPECT_FALSE(ExProgram(world.run));
    EXPECT_EQ(world.run.verdict.Code(), run::kExitCommandTooLong);
    EXPECT_EQ(world.starter.started.size(), 1u);

    JobsWorld never;
    never.Settings().program = "e:\\none.exe";
    never.Settings().source = "d:\\";
    never.starter.succeed = false;
    never.op.ExpectError("ExProgram: Failure in WinExec(\"e:\\none.exe\" \"d:\\\" )");
    EXPECT_FALSE(ExProgram(never.run));
    EXPECT_EQ(never.run.verdict.Code(), run::kExitProgramStart);
}

// A script of the host's that takes a while, then removes the flag from
// the directory it runs in.
#ifdef _WIN32
constexpr const char* kFinish = "finish.cmd";
constexpr const char* kFinishScript = "@ping -n 2 127.0.0.1 >nul\r\n@del p~flag\r\n";
#else
constexpr const char* kFinish = "finish.sh";
constexpr const char* kFinishScript = "#!/bin/sh\nsleep 0.3\nrm -f p~flag\n";
#endif

TEST(ExProgram, WaitsForARealProgram) {
    JobsWorld world;
    const std::string script = std::string("d/tools/") + kFinish;
    world.Put(script, kFinishScript);
    std::filesystem::permissions(platform::testing::Utf8Path(world.drives.Host(script)),
                                 std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::add);
    world.Settings().program = world.drives.Outside(script);
    world.Settings().source = "d:\\";
    const auto host = platform::MakeHostProcessStarter(world.drives.Fs());
    world.starter.onStart = [&](const std::string& command, platform::HostError& error) {
        return host->Start(command, error);
    };
    int waits = 0;
    world.op.onWait = [&](int) {
        ++waits;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return waits >= 200;  // a script that never ran fails the test rather than hold it
    };
    EXPECT_TRUE(ExProgram(world.run));
    EXPECT_FALSE(world.drives.Exists("d/p~flag"));
    EXPECT_GE(waits, 1);
    EXPECT_LT(waits, 200);
#ifndef _WIN32
    platform::ReapStartedProcesses();  // a finished child on Windows leaves nothing behind
#endif
}

}  // namespace
}  // namespace brenx::jobs
