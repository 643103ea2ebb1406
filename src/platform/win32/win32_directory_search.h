#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/directory_search.h"

namespace brenx::platform {

// The entries of a directory that match a search, read in one go when the
// search starts (so that entries made meanwhile, by a copy into the
// directory itself, never come up), handed out in the host's order.
class Win32DirectorySearch : public DirectorySearch {
  public:
    explicit Win32DirectorySearch(std::vector<SearchEntry> entries)
        : entries_(std::move(entries)) {}

    bool Next(SearchEntry& entry) override;

  private:
    std::vector<SearchEntry> entries_;
    std::size_t next_ = 0;
};

// Lists the directory (its host path, \\?\ form) and keeps the entries whose
// names match `namePattern` (the program's wildcard rules, never the host's)
// and that pass the filter; "." and ".." are left out at a root. False with
// the host's error when the directory cannot be listed.
bool ListDirectory(const std::wstring& directory, bool isRoot, const std::string& namePattern,
                   std::uint32_t attributeFilter, std::vector<SearchEntry>& entries,
                   unsigned long& errorCode);

}  // namespace brenx::platform
