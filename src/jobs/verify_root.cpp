#include "jobs/verify_root.h"

#include "run/name_parts.h"
#include "run/run_state.h"
#include "support/utf8.h"

namespace brenx::jobs {
namespace {

// The cut that keeps the name after its drive ("d:").
constexpr std::int32_t kCutAfterDrive = 3;
// The cut that replaces the drive letter alone.
constexpr std::int32_t kLetterOnly = -1;

std::int32_t FixCut(run::RunState& run, const std::string& name) {
    if (support::Utf8Length(run.verifySession.root) == 1) return kLetterOnly;
    if (run.verifySession.driveLetters.IncludeSubdirs() || name.find('\\') == std::string::npos) {
        return kCutAfterDrive;
    }
    return static_cast<std::int32_t>(name.size() - run::FileNamePart(name).size() + 1);
}

}  // namespace

void ApplyVerifyRoot(run::RunState& run, std::string& name) {
    if (run.verifySession.root.empty()) return;
    if (run.verifySession.cut == 0) run.verifySession.cut = FixCut(run, name);
    if (run.verifySession.cut >= 1) {
        const auto from = static_cast<std::size_t>(run.verifySession.cut - 1);
        name = run.verifySession.root + (from < name.size() ? name.substr(from) : std::string());
    } else if (run.verifySession.cut == kLetterOnly && !name.empty()) {
        name.replace(0, support::Utf8PrefixBytes(name, 1), support::Utf8Prefix(run.verifySession.root, 1));
    }
}

}  // namespace brenx::jobs
