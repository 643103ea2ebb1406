#include "copy/unfinished_copy.h"

#include "options/log_file.h"
#include "platform/file_system.h"
#include "platform/host_reason.h"
#include "run/run_state.h"
#include "support/safe_format.h"

namespace brenx::copy {
namespace {

constexpr std::string_view kPrefix = "~brenx-unfinished";
constexpr std::string_view kSuffix = ".tmp";

bool IsNumber(std::string_view text) {
    if (text.empty() || text.front() == '0') return false;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

}  // namespace

std::string UnfinishedCopyName(int attempt) {
    std::string name(kPrefix);
    if (attempt > 1) name += "-" + std::to_string(attempt);
    name += kSuffix;
    return name;
}

bool IsUnfinishedCopyName(std::string_view name) {
    if (name.size() < kPrefix.size() + kSuffix.size() || !name.starts_with(kPrefix) ||
        !name.ends_with(kSuffix)) {
        return false;
    }
    const std::string_view middle =
        name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
    return middle.empty() || (middle.front() == '-' && IsNumber(middle.substr(1)));
}

void RemoveUnfinishedCopy(run::RunState& run, const std::string& directory,
                          const std::string& name) {
    const std::string path = directory + name;
    platform::FileSystem& fs = run.Fs();
    if (fs.DeleteWithoutLinks(path)) {
        run.Log().Write(
            support::SafeFormat("Removed %s, a copy an earlier run left unfinished", {path}));
        return;
    }
    run.Log().Write(
        support::SafeFormat("Couldn't remove %s, a copy an earlier run left unfinished (%s)",
                            {path, platform::HostErrorReason(fs.LastError())}));
}

}  // namespace brenx::copy
