#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace brenx::platform {

// The host paths most recently seen to be regular files: listed so by a
// directory search a moment ago, or opened as one. Opening one of them need
// not look at the path first (the type is checked on the open descriptor in
// any case, before anything is read or written); a path never seen is looked
// at, so a device or fifo named by a setting is never opened. Each path also
// tells whether this layer knows the file to carry no archive record (it
// made the file, or removed the record), so that opening it for writing
// again need not remove one. A short list: the path used longest ago goes
// first when a new one comes.
//
// Every file a copy lists and opens passes here several times, so the list
// is a fixed set of slots whose strings keep their storage, and a path is
// compared by a hash of it before its text.
class RecentFiles {
  public:
    static constexpr std::size_t kCapacity = 16;

    // Puts the path first, keeping what is known of its record.
    void Remember(const std::string& hostPath);
    void Forget(const std::string& hostPath);
    bool Contains(const std::string& hostPath) const;

    // The file at the path has no archive record: this layer made it or
    // removed the record (a path not in the list is put first).
    void SetRecordGone(const std::string& hostPath);
    // A record may have been written since.
    void SetRecordPossible(const std::string& hostPath);
    bool RecordGone(const std::string& hostPath) const;

  private:
    struct Slot {
        std::string path;
        std::size_t hash = 0;
        std::uint64_t used = 0;  // 0: empty; larger: used more recently
        bool recordGone = false;
    };
    Slot* Find(const std::string& hostPath, std::size_t hash);
    const Slot* Find(const std::string& hostPath) const;
    // The slot of the path, taken (from the path used longest ago) when it
    // has none, and marked as used now.
    Slot& Take(const std::string& hostPath);

    std::array<Slot, kCapacity> slots_;
    std::uint64_t clock_ = 0;
};

}  // namespace brenx::platform
