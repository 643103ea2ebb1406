#include "copy/unfinished_copy.h"

#include <memory>

#include "options/log_file.h"
#include "platform/file_system.h"
#include "platform/host_reason.h"
#include "platform/run_token.h"
#include "run/run_state.h"
#include "support/safe_format.h"

namespace brenx::copy {
namespace {

using platform::HostError;

constexpr std::string_view kPrefix = "~brenx-unfinished-";
constexpr std::string_view kSuffix = ".tmp";
constexpr std::size_t kTokenDigits = 16;

bool IsToken(std::string_view text) {
    if (text.size() != kTokenDigits) return false;
    for (const char c : text) {
        if ((c < '0' || c > '9') && (c < 'a' || c > 'f')) return false;
    }
    return true;
}

bool IsNumber(std::string_view text) {
    if (text.empty() || text.size() > 9 || text.front() == '0') return false;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

void LogLeftOver(run::RunState& run, const std::string& path, HostError why) {
    run.Log().Write(
        support::SafeFormat("Couldn't remove %s, a copy an earlier run left unfinished (%s)",
                            {path, platform::HostErrorReason(why)}));
}

}  // namespace

bool DeleteUnfinishedCopy(platform::FileSystem& fileSystem, const std::string& path) {
    if (fileSystem.DeleteWithoutLinks(path)) return true;
    if (fileSystem.LastError() != HostError::AccessDenied) return false;
    return fileSystem.SetAttributesWithoutLinks(path, 0) && fileSystem.DeleteWithoutLinks(path);
}

std::string UnfinishedCopyName(run::RunState& run, int attempt) {
    if (run.copySession.token.empty()) run.copySession.token = platform::NewRunToken();
    return std::string(kPrefix) + run.copySession.token + "-" + std::to_string(attempt) +
           std::string(kSuffix);
}

bool IsUnfinishedCopyName(std::string_view name) {
    if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) return false;
    name.remove_prefix(kPrefix.size());
    name.remove_suffix(kSuffix.size());
    return name.size() > kTokenDigits + 1 && IsToken(name.substr(0, kTokenDigits)) &&
           name[kTokenDigits] == '-' && IsNumber(name.substr(kTokenDigits + 1));
}

// The file is removed only while this run holds it, and only when the name
// still names the file held: no live run's copy, nothing that took the name
// meanwhile. Where the host keeps no holds, no run holds its copies either:
// a leftover goes all the same (a run at work there would meet its copy
// gone at the rename, and try the file again).
void RemoveUnfinishedCopy(run::RunState& run, const std::string& directory,
                          const std::string& name) {
    const std::string path = directory + name;
    platform::FileSystem& fs = run.Fs();
    std::unique_ptr<platform::FileHandle> file =
        fs.OpenWithoutLinks(path, platform::Access::Read, platform::Disposition::OpenExisting);
    if (!file) {
        if (fs.LastError() != HostError::NotFound) LogLeftOver(run, path, fs.LastError());
        return;
    }
    const bool held = (file->HoldExclusively() || file->LastError() == HostError::NotSupported) &&
                      file->IsStillAtItsPath();
    const HostError holdError = file->LastError();
    if (!held) {
        file->Close();
        // Another run is writing it, or it went away meanwhile.
        if (holdError == HostError::SharingViolation || holdError == HostError::None) return;
        LogLeftOver(run, path, holdError);
        return;
    }
    const bool deleted = DeleteUnfinishedCopy(fs, path);
    const HostError why = fs.LastError();
    file->Close();
    if (!deleted) {
        LogLeftOver(run, path, why);
        return;
    }
    run.Log().Write(
        support::SafeFormat("Removed %s, a copy an earlier run left unfinished", {path}));
}

}  // namespace brenx::copy
