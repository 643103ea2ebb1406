#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/directory_search.h"

namespace brenx::platform {
class FileSystem;
}

namespace brenx::run {
class RunState;
}

// What the tree walks of read-back and archive-bit clearing share. Directory
// arguments end in a backslash.
namespace brenx::jobs {

using EntryVisit = std::function<bool(const platform::SearchEntry&)>;

// Calls `visit` for every entry that the search pattern and attribute filter
// return, in the host's order, and stops with false as soon as it returns
// false. Entries whose names cannot stand in a path are passed over. True
// when the entries ran out (or there were none). `listingError`, when given,
// receives the search's fault (None when it ended cleanly), so that a walk
// that must see every entry can tell a directory it could not list from an
// empty one.
bool ForEachEntry(platform::FileSystem& fs, const std::string& pattern, std::uint32_t filter,
                  const EntryVisit& visit, platform::HostError* listingError = nullptr);

// Meeting the start file ends the wait for it (letter case ignored), and the
// option echo no longer shows it.
void PassStartFile(run::RunState& run, const std::string& path);

// Runs `walk` on every subdirectory of the directory, polling KeepGoing before
// each entry. Hidden and system directories are never entered. False as soon
// as the poll says stop or a walk fails, and, when `listingError` is given,
// when the directory could not be listed (the fault is left there).
bool WalkSubdirectories(run::RunState& run, const std::string& directory,
                        const std::function<bool(const std::string&)>& walk,
                        platform::HostError* listingError = nullptr);

}  // namespace brenx::jobs
