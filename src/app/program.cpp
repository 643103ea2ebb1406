#include "app/program.h"

#include <optional>

#include "app/job_driver.h"
#include "options/job_settings.h"
#include "options/log_file.h"
#include "options/option_load.h"
#include "options/tqmr_file.h"
#include "options/version_prompt.h"
#include "platform/clock.h"
#include "platform/environment.h"
#include "platform/host_services.h"
#include "platform/program_places.h"
#include "platform/start_stamp.h"
#include "run/caption.h"
#include "run/operator.h"
#include "run/pace.h"
#include "run/run_state.h"
#include "run/status_board.h"
#include "run/throughput_clock.h"
#include "run/tick_source.h"
#include "support/safe_format.h"

namespace brenx::app {
namespace {

// Entries of the drive table that could not be used leave their letters
// without media; the operator is told before anything is looked for there.
void TellDriveTableProblems(const platform::FileSystem& fs, run::Operator& op) {
    for (const std::string& entry : platform::HostDriveProblems(fs)) {
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

// Everything a run works with. The log and the run are made once the options
// are loaded: the options give the log's place.
struct Program::Parts {
    Parts(const std::vector<std::string>& arguments, run::Operator& op)
        : hostFs(platform::MakeHostFileSystem()),
          fs(*hostFs),
          options(fs, op,
                  options::OptionInputs{
                      arguments, platform::GetEnvironmentVariable,
                      platform::FindProgramPlaces(fs, platform::GetEnvironmentVariable),
                      platform::StartStampNow()}),
          hostStarter(platform::MakeHostProcessStarter(fs)),
          starter(*hostStarter) {}

    std::unique_ptr<platform::FileSystem> hostFs;
    platform::FileSystem& fs;
    options::OptionLoad options;
    std::unique_ptr<platform::ProcessStarter> hostStarter;
    platform::ProcessStarter& starter;
    run::SteadyTickSource ticks;
    std::optional<options::Log> log;
    std::optional<run::RunState> run;
    std::optional<JobDriver> driver;
};

Program::Program(const std::vector<std::string>& arguments, run::Operator& op,
                 run::StatusBoard& board) {
    platform::LoadLocalTimeZone();
    parts_ = std::make_unique<Parts>(arguments, op);
    Parts& p = *parts_;
    TellDriveTableProblems(p.fs, op);
    p.options.LoadJobSettings();
    p.options.ClaimOwnLog();
    p.log.emplace(p.fs, p.options.Settings().log);
    p.run.emplace(run::RunParts{p.options, p.fs, *p.log, op, board, p.starter, p.ticks});
    p.run->pace.SetInterval(run::kFrontEndTurn);
    p.driver.emplace(*p.run);
    Greet(*p.run);
}

Program::~Program() = default;

RunEnd Program::Run() {
    if (ran_) return end_;
    ran_ = running_ = true;
    end_ = parts_->driver->RunJobs();
    running_ = false;
    return end_;
}

bool Program::LoadPlacement(ScreenSize screen, WindowPlacements& windows) {
    options::TqmrFile file(parts_->fs, parts_->options.Settings().sizeini);
    return app::LoadPlacement(file, screen, windows);
}

bool Program::SavePlacement(ScreenSize screen, const WindowPlacements& windows) {
    options::TqmrFile file(parts_->fs, parts_->options.Settings().sizeini);
    return app::SavePlacement(file, screen, windows);
}

void Program::OpenHelp() {
    options::OpenHelpPage(parts_->starter, parts_->options.Settings().helphtm);
}

void Program::TickClock() {
    if (running_ && parts_->run) run::RefreshThroughput(*parts_->run);
}

std::int32_t RunProgram(const std::vector<std::string>& arguments, run::Operator& op,
                        run::StatusBoard& board) {
    Program program(arguments, op, board);
    return program.Run().exitCode;
}

}  // namespace brenx::app
