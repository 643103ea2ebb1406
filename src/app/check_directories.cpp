#include "app/check_directories.h"

#include "options/job_settings.h"
#include "options/option_load.h"
#include "platform/directory_routines.h"
#include "run/exit_codes.h"
#include "run/messages.h"
#include "run/operator.h"
#include "run/run_state.h"
#include "support/text_primitives.h"

namespace brenx::app {
namespace {

bool CanEnter(run::RunState& run, const std::string& path) {
    return IsWellFormedPath(run, path) && platform::TryChangeDirectory(run.Fs(), path);
}

void TellProblem(run::RunState& run, std::string& problem, std::string text,
                 std::string_view format, const std::string& path) {
    problem = std::move(text);
    run.Op().SetClipboardText(problem);
    run::ErrorMessage(run, format, {path});
}

}  // namespace

bool IsWellFormedPath(run::RunState& run, const std::string& path) {
    if (path.size() >= 3 && support::IsAsciiLetter(path[0]) && path[1] == ':' && path[2] == '\\') {
        return true;
    }
    if (path.starts_with("\\\\")) return true;
    run::ErrorMessage(run,
                      "Sorry your directory {%s} is badly formed; I want at least d:\\blahblah or "
                      "\\\\blahblah. Bye....",
                      {path});
    return false;
}

bool CheckDirectories(run::RunState& run, std::string& problem, bool checkDestination) {
    const options::JobSettings& settings = run.Settings();
    run.flags.closeAllowed = true;
    run.exitCode = run::kExitCheckingDirectories;
    problem.clear();
    bool usable = false;
    if (!CanEnter(run, settings.source)) {
        TellProblem(run, problem, "source: " + settings.source,
                    "Your source directory \"%s\" is wrong somehow, sorry (I clipped it)",
                    settings.source);
    } else if (checkDestination && (!IsWellFormedPath(run, settings.destination) ||
                                    !platform::TryChangeDirectory(run.Fs(), run.destinationRoot))) {
        TellProblem(run, problem, "destination: " + settings.destination,
                    "Destination \"%s\" or destination drive is not right (I clipped it)",
                    settings.destination);
    } else {
        run.flags.closeAllowed = false;
        run.exitCode = run::kExitSuccess;
        usable = true;
    }
    platform::TryChangeDirectory(run.Fs(), run.Options().ProgramDirectory());
    return usable;
}

}  // namespace brenx::app
