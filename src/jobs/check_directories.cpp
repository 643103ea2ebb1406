#include "jobs/check_directories.h"

#include "options/job_settings.h"
#include "options/option_load.h"
#include "platform/directory_routines.h"
#include "run/exit_codes.h"
#include "run/messages.h"
#include "run/operator.h"
#include "run/run_state.h"
#include "support/path_names.h"
#include "support/text_primitives.h"

namespace brenx::jobs {
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

// True when the destination is the source, or (copying subdirectories) lies
// inside it: the copy would then overwrite its own files or walk into what it
// has just written, ever deeper. Asked of the host, so that two names for
// one directory are caught too. Destination directories that do not exist
// yet are passed over.
bool IsInsideSource(run::RunState& run, const std::string& source, const std::string& destination) {
    const bool recurse = run.Settings().recurse;
    const std::string path = support::WithTrailingBackslash(destination);
    const std::size_t rootLength = support::RootLength(path);
    // Each directory on the way, deepest first, down to the root: each ends
    // with its backslash.
    for (std::size_t end = path.size(); end >= rootLength && end >= 2;) {
        const bool whole = end == path.size();
        if ((whole || recurse) && run.Fs().SameEntry(path.substr(0, end), source)) return true;
        const std::size_t cut = path.rfind('\\', end - 2);
        if (cut == std::string::npos) break;
        end = cut + 1;
    }
    return false;
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
    run.verdict.Provisional(run::kExitCheckingDirectories);
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
    } else if (checkDestination && IsInsideSource(run, settings.source, settings.destination)) {
        TellProblem(run, problem, "destination: " + settings.destination,
                    "Destination \"%s\" is the source or lies inside it; the copy would "
                    "overwrite itself (I clipped it)",
                    settings.destination);
    } else {
        run.flags.closeAllowed = false;
        usable = true;
    }
    // Over either way: the operator may now be asked.
    run.verdict.Provisional(run::kExitSuccess);
    platform::TryChangeDirectory(run.Fs(), run.Options().ProgramDirectory());
    return usable;
}

}  // namespace brenx::jobs
