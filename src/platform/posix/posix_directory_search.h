#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/directory_search.h"
#include "platform/recent_files.h"

namespace brenx::platform {

// A name of a directory's listing, with the kind of entry that the listing
// tells (a dirent d_type; DT_UNKNOWN when it tells nothing).
struct ListedName {
    std::string name;
    unsigned char type = 0;
};

// A search over a snapshot of a directory's names, taken when the search
// starts: entries created while a walk works in the directory (a copy into a
// subdirectory of its own source, say) are not listed, and none is listed
// twice. Each entry is looked at (lstat) only when it is reached. An entry
// that went away meanwhile is not listed; one that cannot be looked at for
// another reason (a path too long, a directory that can be read but not
// searched) is listed with the reason (SearchEntry::lookError).
class PosixDirectorySearch : public DirectorySearch {
  public:
    // `names` are the entries whose names matched, in the order to list them.
    // The regular files listed go into `recentFiles` (none without one).
    // Without `withArchive` the entries' archive bit is not looked up.
    PosixDirectorySearch(std::string hostDirectory, std::vector<ListedName> names,
                         std::uint32_t attributeFilter,
                         std::shared_ptr<RecentFiles> recentFiles = nullptr,
                         bool withArchive = true);

    bool Next(SearchEntry& entry) override;
    // Looks ahead for the first entry; false when there is none.
    bool Prime();

  private:
    bool Fetch(SearchEntry& entry);

    std::string hostDirectory_;
    std::vector<ListedName> names_;
    std::uint32_t filter_;
    std::shared_ptr<RecentFiles> recentFiles_;
    bool withArchive_;
    std::size_t next_ = 0;
    SearchEntry pending_;
    bool hasPending_ = false;
};

}  // namespace brenx::platform
