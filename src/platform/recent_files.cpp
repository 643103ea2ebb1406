#include "platform/recent_files.h"

#include <algorithm>

namespace brenx::platform {

std::deque<RecentFiles::Entry>::iterator RecentFiles::Find(const std::string& hostPath) {
    return std::find_if(entries_.begin(), entries_.end(),
                        [&](const Entry& entry) { return entry.path == hostPath; });
}

std::deque<RecentFiles::Entry>::const_iterator RecentFiles::Find(
    const std::string& hostPath) const {
    return std::find_if(entries_.begin(), entries_.end(),
                        [&](const Entry& entry) { return entry.path == hostPath; });
}

void RecentFiles::Remember(const std::string& hostPath) {
    Entry entry{hostPath, false};
    const auto found = Find(hostPath);
    if (found != entries_.end()) {
        entry.recordGone = found->recordGone;
        entries_.erase(found);
    }
    entries_.push_front(std::move(entry));
    if (entries_.size() > kCapacity) entries_.pop_back();
}

void RecentFiles::Forget(const std::string& hostPath) {
    const auto found = Find(hostPath);
    if (found != entries_.end()) entries_.erase(found);
}

bool RecentFiles::Contains(const std::string& hostPath) const {
    return Find(hostPath) != entries_.end();
}

void RecentFiles::SetRecordGone(const std::string& hostPath) {
    Remember(hostPath);
    entries_.front().recordGone = true;
}

void RecentFiles::SetRecordPossible(const std::string& hostPath) {
    const auto found = Find(hostPath);
    if (found != entries_.end()) found->recordGone = false;
}

bool RecentFiles::RecordGone(const std::string& hostPath) const {
    const auto found = Find(hostPath);
    return found != entries_.end() && found->recordGone;
}

}  // namespace brenx::platform
