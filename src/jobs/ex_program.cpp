#include "jobs/ex_program.h"

#include <memory>

#include "jobs/job_header.h"
#include "options/job_settings.h"
#include "platform/file_queries.h"
#include "platform/file_system.h"
#include "platform/process_starter.h"
#include "run/exit_codes.h"
#include "run/keep_going.h"
#include "run/messages.h"
#include "run/pause.h"
#include "run/run_state.h"
#include "support/safe_format.h"
#include "support/text_primitives.h"
#include "support/utf8.h"

namespace brenx::jobs {
namespace {

std::string CommandPart(run::RunState& run, const std::string& path) {
    std::string part = run.Settings().pshort ? platform::ShortPathName(run.Fs(), path) : path;
    support::Quote(part);
    return part;
}

// An empty flag file; the program deletes it when it is done. A flag file
// that cannot be made shows as a program that finished at once.
void CreateFlagFile(run::RunState& run) {
    std::unique_ptr<platform::FileHandle> flag = run.Fs().Open(
        run.Settings().pflag, platform::Access::Write, platform::Disposition::CreateAlways);
    if (flag) flag->Close();
}

// Waits while the flag file exists; false when the operator stopped the wait.
bool WaitForFlagGone(run::RunState& run) {
    while (run.Fs().FileExists(run.Settings().pflag)) {
        run::Pause(run, kFlagPollMilliseconds);
        if (!run::KeepGoing(run)) return false;
    }
    return true;
}

}  // namespace

std::string ProgramCommand(run::RunState& run) {
    const options::JobSettings& settings = run.Settings();
    std::string command =
        CommandPart(run, settings.program) + " " + CommandPart(run, settings.source) + " ";
    if (settings.recurse) command += " -r";
    if (settings.arconly) command += " -a";
    return command;
}

bool ExProgram(run::RunState& run) {
    const std::string command = ProgramCommand(run);
    CreateFlagFile(run);
    WriteJobHeader(run, support::SafeFormat("WinExec(%s)", {command}),
                   support::SafeFormat("%s %s", {SettingsFilePath(run), HeaderTimeNow()}));
    const std::size_t length = support::Utf8Length(command);
    if (length > kMaxCommandLength) {
        run::ErrorMessage(run, "WinExec(%s) is too long (%d)", {command, length});
        run.verdict.Fail(run::kExitCommandTooLong);
        return false;
    }
    platform::HostError error = platform::HostError::None;
    if (!run.Starter().Start(command, error)) {
        run::ErrorMessage(run, "ExProgram: Failure in WinExec(%s)", {command});
        run.verdict.Fail(run::kExitProgramStart);
        return false;
    }
    return WaitForFlagGone(run);
}

}  // namespace brenx::jobs
