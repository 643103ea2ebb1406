#pragma once

#include <string>

namespace brenx::platform {
struct SearchEntry;
}

namespace brenx::run {

class RunState;

// An entry the host marks with the system attribute (a fifo, a socket, a
// device, a link to a directory, a directory of a kernel file system) is
// never opened nor walked into. So that none is left out unseen, it is
// logged ("skipping non-regular file DIR NAME (why)", a directory with its
// trailing backslash) and counted for the run's end. True when the entry is
// such an entry; false for a regular file or directory, which nothing here
// touches. Walks search with the system attribute to meet them; a hidden
// one stays out with the other hidden entries unless `hidden` asks for them.
bool LeaveOutIfNonRegular(RunState& run, const std::string& directory,
                          const platform::SearchEntry& entry);

}  // namespace brenx::run
