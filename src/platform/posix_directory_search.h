#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/directory_search.h"
#include "platform/recent_files.h"

namespace brenx::platform {

// A search over a snapshot of a directory's names, taken when the search
// starts: entries created while a walk works in the directory (a copy into a
// subdirectory of its own source, say) are not listed, and none is listed
// twice. Each entry is looked at (lstat) only when it is reached.
class PosixDirectorySearch : public DirectorySearch {
  public:
    // `names` are the entries whose names matched, in the order to list them.
    // The regular files listed go into `recentFiles` (none without one).
    // Without `withArchive` the entries' archive bit is not looked up.
    PosixDirectorySearch(std::string hostDirectory, std::vector<std::string> names,
                         std::uint32_t attributeFilter,
                         std::shared_ptr<RecentFiles> recentFiles = nullptr,
                         bool withArchive = true);

    bool Next(SearchEntry& entry) override;
    // Looks ahead for the first entry; false when there is none.
    bool Prime();

  private:
    bool Fetch(SearchEntry& entry);

    std::string hostDirectory_;
    std::vector<std::string> names_;
    std::uint32_t filter_;
    std::shared_ptr<RecentFiles> recentFiles_;
    bool withArchive_;
    std::size_t next_ = 0;
    SearchEntry pending_;
    bool hasPending_ = false;
};

}  // namespace brenx::platform
