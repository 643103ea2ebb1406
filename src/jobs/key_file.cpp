#include "jobs/key_file.h"

#include "jobs/volume_root.h"
#include "options/job_settings.h"
#include "options/operator.h"
#include "platform/file_system.h"
#include "run/ask_media.h"
#include "run/exit_codes.h"
#include "run/operator.h"
#include "run/run_state.h"
#include "support/safe_format.h"

namespace brenx::jobs {

bool CheckKeyFile(run::RunState& run, const std::string& which) {
    options::JobSettings& settings = run.Settings();
    const bool destination = !which.empty() && (which[0] == 'd' || which[0] == 'D');
    const std::string root = VolumeRoot(destination ? settings.destination : settings.source);
    std::string& key = destination ? settings.dstkey : settings.srckey;
    if (key.empty()) return true;
    for (;;) {
        const std::string path = root + key;
        if (run.Fs().FileExists(path)) {
            key.clear();
            return true;
        }
        const std::string missing =
            support::SafeFormat("%s keyfile %s%s missing", {which, root, key});
        run.verdict.Expect(missing);
        run.Op().SetClipboardText(path);
        const run::MediaAnswer answer =
            run::AskMedia(run, "%s. Try again? (I clipped the name)", {missing}, false);
        if (!run::Accepted(answer)) {
            run.verdict.Fail(run::kExitKeyFileMissing);
            return false;
        }
    }
}

}  // namespace brenx::jobs
