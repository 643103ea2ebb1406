#include "app/kept_messages.h"

#include <cstdint>

#include "options/log_file.h"
#include "run/messages.h"
#include "run/run_state.h"
#include "support/safe_format.h"

namespace brenx::app {
namespace {

void Tell(run::RunState& run, std::int64_t count, const char* one, const char* many) {
    if (count <= 0) return;
    const std::string text = support::SafeFormat(count == 1 ? one : many, {count});
    run.Log().Write(text);
    run::ErrorMessage(run, "%s", {text});
}

}  // namespace

void KeptMessages(run::RunState& run) {
    Tell(run, run.counters.wrongDates,
         "%d copy kept a wrong date (the medium didn't take its source's date); the next "
         "NewerOnly or DifferentOnly run decides by it (check log for \"date\"?).",
         "%d copies kept a wrong date (the medium didn't take their sources' dates); the next "
         "NewerOnly or DifferentOnly run decides by them (check log for \"date\"?).");
    Tell(run, run.counters.changedSources,
         "%d file changed while it was copied; its copy holds what was read, dated as the file "
         "was before, so the next NewerOnly or DifferentOnly run takes it again (check log for "
         "\"changed while\"?).",
         "%d files changed while they were copied; their copies hold what was read, dated as the "
         "files were before, so the next NewerOnly or DifferentOnly run takes them again (check "
         "log for \"changed while\"?).");
    Tell(run, run.counters.archiveKept,
         "%d archive bit couldn't be cleared; the next arconly copy takes that file again "
         "(check log for \"archive bit\"?).",
         "%d archive bits couldn't be cleared; the next arconly copy takes those files again "
         "(check log for \"archive bit\"?).");
    Tell(run, run.counters.passedOver,
         "%d entry was passed over for something screwy about it (check log for \"Passed "
         "over\"?).",
         "%d entries were passed over for something screwy about them (check log for \"Passed "
         "over\"?).");
    Tell(run, run.counters.nonRegular,
         "%d entry wasn't a regular file (a fifo, socket, device or link to a directory) and "
         "was left out (check log for \"non-regular\"?).",
         "%d entries weren't regular files (fifos, sockets, devices or links to directories) "
         "and were left out (check log for \"non-regular\"?).");
}

}  // namespace brenx::app
