#pragma once

#include <cstdint>
#include <string>

#include "platform/dos_date_time.h"
#include "platform/host_error.h"

namespace brenx::platform {

// One entry of a directory search, as a Windows search reports it.
struct SearchEntry {
    std::string name;  // the host name, byte for byte
    std::uint32_t attributes = 0;
    std::uint32_t sizeHigh = 0;  // the 64-bit size in two halves
    std::uint32_t sizeLow = 0;
    DosDateTime date = kNoDosDateTime;
    // False when the search was asked to leave the archive bit out
    // (FileSystem::FindFirstWithoutArchive): kAttrArchive is then clear
    // whatever the entry's state, and means nothing.
    bool archiveKnown = true;
    // The name cannot stand in a Windows path (IsStrangeHostName): the walks
    // pass such entries over; a path joined from it is refused.
    bool strange = false;
    // Why the entry could not be looked at, when it could not (None when it
    // was). Only an entry that went away is left out of a search; any other
    // entry is listed, so that no walk passes it over unseen. Its name is
    // known, and whether it is a directory when the directory's own listing
    // tells (Directory, Hidden and System then come from the listing alone);
    // its size, date and the rest are not.
    HostError lookError = HostError::None;
};

// The entry's 64-bit size.
inline std::int64_t SearchRecordSize(const SearchEntry& entry) {
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(entry.sizeHigh) << 32 |
                                     entry.sizeLow);
}

// True when a search ended (or found nothing) without a fault: a listing
// that failed for another reason did not show every entry.
inline bool SearchEndedCleanly(HostError error) {
    return error == HostError::None || error == HostError::NotFound;
}

// An open directory search. Entries come in the host's own order, each once.
class DirectorySearch {
  public:
    virtual ~DirectorySearch() = default;
    // The next entry; false when there are no more (LastError None) or the
    // search failed (LastError says why).
    virtual bool Next(SearchEntry& entry) = 0;

    HostError LastError() const { return lastError_; }

  protected:
    void SetLastError(HostError error) { lastError_ = error; }

  private:
    HostError lastError_ = HostError::None;
};

}  // namespace brenx::platform
