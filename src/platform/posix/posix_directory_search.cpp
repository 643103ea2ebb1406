#include "platform/posix/posix_directory_search.h"

#include "platform/file_attributes.h"
#include "platform/host_names.h"
#include "platform/posix/host_entry.h"

namespace brenx::platform {

PosixDirectorySearch::PosixDirectorySearch(std::string hostDirectory, std::vector<ListedName> names,
                                           std::uint32_t attributeFilter,
                                           std::shared_ptr<RecentFiles> recentFiles,
                                           bool withArchive)
    : hostDirectory_(std::move(hostDirectory)),
      names_(std::move(names)),
      filter_(attributeFilter),
      recentFiles_(std::move(recentFiles)),
      withArchive_(withArchive) {
    if (hostDirectory_.empty() || hostDirectory_.back() != '/') hostDirectory_ += '/';
}

bool PosixDirectorySearch::Prime() {
    if (!hasPending_) hasPending_ = Fetch(pending_);
    return hasPending_;
}

bool PosixDirectorySearch::Next(SearchEntry& entry) {
    SetLastError(HostError::None);
    if (hasPending_) {
        hasPending_ = false;
        entry = std::move(pending_);
        return true;
    }
    return Fetch(entry);
}

namespace {

// The entry went away since the search started (or its directory did).
bool Vanished(HostError error) {
    return error == HostError::NotFound || error == HostError::PathNotFound;
}

}  // namespace

bool PosixDirectorySearch::Fetch(SearchEntry& entry) {
    while (next_ < names_.size()) {
        const ListedName& listed = names_[next_++];
        const std::string& name = listed.name;
        HostEntry described;
        const std::string hostPath = hostDirectory_ + name;
        const HostError error = DescribeHostEntry(hostPath, name, described, withArchive_);
        if (Vanished(error)) continue;
        if (error != HostError::None) described = DescribeListedEntry(listed.type, name);
        if (!PassesSearchFilter(described.attributes, filter_)) continue;
        if (described.regular && recentFiles_) recentFiles_->Remember(hostPath);
        entry.name = name;
        entry.attributes = described.attributes;
        const auto size = static_cast<std::uint64_t>(described.size);
        entry.sizeHigh = static_cast<std::uint32_t>(size >> 32);
        entry.sizeLow = static_cast<std::uint32_t>(size);
        entry.date = described.date;
        entry.archiveKnown = described.archiveKnown;
        entry.strange = IsStrangeHostName(name);
        entry.lookError = error;
        return true;
    }
    return false;
}

}  // namespace brenx::platform
