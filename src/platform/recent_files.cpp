#include "platform/recent_files.h"

#include <cstring>

namespace brenx::platform {
namespace {

// Only tells slots apart before their texts are compared, so it looks at
// what differs between the paths a copy uses: their length and their last
// bytes (the file names in one directory).
std::size_t HashOf(const std::string& path) {
    std::uint64_t tail = 0;
    const std::size_t bytes = path.size() < sizeof tail ? path.size() : sizeof tail;
    std::memcpy(&tail, path.data() + path.size() - bytes, bytes);
    return static_cast<std::size_t>((tail ^ path.size()) * 0x9E3779B97F4A7C15ULL);
}

// The slot that holds the path, null when none does.
template <typename Slots>
auto FindSlot(Slots& slots, const std::string& path, std::size_t hash) -> decltype(&slots[0]) {
    for (auto& slot : slots) {
        if (slot.used != 0 && slot.hash == hash && slot.path == path) return &slot;
    }
    return nullptr;
}

}  // namespace

RecentFiles::Slot* RecentFiles::Find(const std::string& hostPath, std::size_t hash) {
    return FindSlot(slots_, hostPath, hash);
}

const RecentFiles::Slot* RecentFiles::Find(const std::string& hostPath) const {
    return FindSlot(slots_, hostPath, HashOf(hostPath));
}

RecentFiles::Slot& RecentFiles::Take(const std::string& hostPath) {
    const std::size_t hash = HashOf(hostPath);
    Slot* slot = Find(hostPath, hash);
    if (slot == nullptr) {
        slot = &slots_[0];
        for (Slot& candidate : slots_) {
            if (candidate.used < slot->used) slot = &candidate;
        }
        slot->path.assign(hostPath);  // keeps the storage it has
        slot->hash = hash;
        slot->recordGone = false;
    }
    slot->used = ++clock_;
    return *slot;
}

void RecentFiles::Remember(const std::string& hostPath) {
    Take(hostPath);
}

void RecentFiles::Forget(const std::string& hostPath) {
    Slot* slot = Find(hostPath, HashOf(hostPath));
    if (slot != nullptr) slot->used = 0;
}

bool RecentFiles::Contains(const std::string& hostPath) const {
    return Find(hostPath) != nullptr;
}

void RecentFiles::SetRecordGone(const std::string& hostPath) {
    Take(hostPath).recordGone = true;
}

void RecentFiles::SetRecordPossible(const std::string& hostPath) {
    Slot* slot = Find(hostPath, HashOf(hostPath));
    if (slot != nullptr) slot->recordGone = false;
}

bool RecentFiles::RecordGone(const std::string& hostPath) const {
    const Slot* slot = Find(hostPath);
    return slot != nullptr && slot->recordGone;
}

}  // namespace brenx::platform
