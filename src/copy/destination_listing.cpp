#include "copy/destination_listing.h"

#include <memory>

#include "copy/unfinished_copy.h"
#include "platform/file_system.h"

namespace brenx::copy {
namespace {

// What is not a plain file: never taken for an unfinished copy.
constexpr std::uint32_t kNoFile = platform::kAttrDirectory | platform::kAttrSystem;

}  // namespace

void DestinationListing::Take(platform::FileSystem& fileSystem, const std::string& directory) {
    Clear();
    std::unique_ptr<platform::DirectorySearch> search =
        fileSystem.FindFirstWithoutArchive(directory + "*", platform::kAttrAnyFile);
    if (!search) {
        known_ = fileSystem.LastError() == platform::HostError::NotFound;
        return;
    }
    platform::SearchEntry entry;
    while (search->Next(entry)) {
        // What could not be looked at is asked about when it is copied to.
        if (entry.lookError != platform::HostError::None) {
            unsure_[entry.name] = true;
            continue;
        }
        if (IsUnfinishedCopyName(entry.name) && (entry.attributes & kNoFile) == 0) {
            unfinished_.push_back(entry.name);
            continue;
        }
        entries_[entry.name] =
            Entry{entry.date, platform::SearchRecordSize(entry), entry.attributes};
    }
    known_ = search->LastError() == platform::HostError::None;
    if (!known_) entries_.clear();
}

void DestinationListing::Clear() {
    known_ = false;
    entries_.clear();
    unsure_.clear();
    unfinished_.clear();
}

void DestinationListing::Describe(const std::string& name, FileFacts& facts) const {
    facts.destinationKnown = known_ && unsure_.count(name) == 0;
    if (!facts.destinationKnown) return;
    const auto found = entries_.find(name);
    facts.destinationDate = found == entries_.end() ? platform::kNoDosDateTime : found->second.date;
    facts.destinationSize = found == entries_.end() ? -1 : found->second.size;
    facts.destinationAttributes = found == entries_.end() ? 0 : found->second.attributes;
}

void DestinationListing::Copied(const std::string& name, platform::DosDateTime date,
                                std::int64_t size) {
    unsure_.erase(name);
    entries_[name] = Entry{date, size, 0};
}

void DestinationListing::Unsure(const std::string& name) {
    unsure_[name] = true;
}

}  // namespace brenx::copy
