#include "app/program.h"

#include "app/job_driver.h"
#include "options/log_file.h"
#include "options/option_load.h"
#include "platform/clock.h"
#include "platform/drive_map.h"
#include "platform/environment.h"
#include "platform/posix_file_system.h"
#include "platform/process_starter.h"
#include "platform/program_directory.h"
#include "platform/start_stamp.h"
#include "run/caption.h"
#include "run/operator.h"
#include "run/run_state.h"
#include "run/status_board.h"
#include "run/tick_source.h"
#include "support/safe_format.h"

namespace brenx::app {
namespace {

// Entries of the drive table that could not be used leave their letters
// without media; the operator is told before anything is looked for there.
void TellDriveTableProblems(const platform::DriveMap& drives, run::Operator& op) {
    for (const std::string& entry : drives.Problems()) {
        op.ErrorMessage(support::SafeFormat(
            "The drive table entry \"%s\" (BRENX_DRIVES or BRENX_UNC) cannot be used; it was "
            "passed over.",
            {entry}));
    }
}

void Greet(run::RunState& run) {
    run.Board().SetBannerLook(run::BannerLook::Greeting);
    run.Board().SetText(run::BoardText::Banner, kGreeting);
    run::ShowCaption(run, "");
}

}  // namespace

std::int32_t RunProgram(const std::vector<std::string>& arguments, run::Operator& op,
                        run::StatusBoard& board) {
    platform::LoadLocalTimeZone();
    platform::PosixFileSystem fs(platform::DriveMap::FromEnvironment());
    // The file system keeps the current directory from here on.
    platform::MoveProcessToRoot();
    TellDriveTableProblems(fs.Drives(), op);
    options::OptionLoad options(
        fs, op,
        options::OptionInputs{arguments, platform::GetEnvironmentVariable,
                              platform::ProgramDirectory(fs), platform::StartStampNow()});
    // The log's place comes from the options, so they are loaded first.
    options.LoadJobSettings();
    options::Log log(fs, options.Settings().log);
    platform::HostProcessStarter starter(fs);
    run::SteadyTickSource ticks;
    run::RunState run(run::RunParts{options, fs, log, op, board, starter, ticks});
    Greet(run);
    JobDriver driver(run);
    return driver.RunJobs();
}

}  // namespace brenx::app
