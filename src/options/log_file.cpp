#include "options/log_file.h"

#include "options/log_lines.h"
#include "support/text_file.h"

namespace brenx::options {

// How often the path is looked at while entries come, and how much may wait
// for the look.
constexpr std::chrono::milliseconds kLookInterval{100};
constexpr std::size_t kMostUnchecked = 1 << 20;

void Log::Lost(platform::HostError why, const Tally& entries) {
    failed_ += entries;
    lastFailure_ = why;
}

bool Log::OpenFile() {
    unchecked_.clear();
    uncheckedEntries_ = {};
    writtenSinceOpen_ = {};
    lookedAt_ = std::chrono::steady_clock::now();
    file_ = fileSystem_.Open(path_, platform::Access::Append, platform::Disposition::OpenAlways);
    return file_ != nullptr;
}

// One write at the end of the file. Half a write is taken back: it would run
// into the next entry, and a cut CRC line would name a wrong checksum or a
// wrong file. The file is closed after a failure, and opened again for the
// next entry.
bool Log::Append(const std::string& text, const Tally& entries) {
    const auto size = static_cast<std::int64_t>(text.size());
    const std::int64_t written = file_->Write(text.data(), size);
    if (written == size) {
        writtenSinceOpen_ += entries;
        return true;
    }
    const platform::HostError why = file_->LastError();
    if (written > 0) {
        const std::int64_t end = file_->Size();
        if (end >= written) file_->Truncate(end - written);
    }
    file_->Close();
    file_.reset();
    Lost(why, entries);
    return false;
}

void Log::FollowThePath() {
    lookedAt_ = std::chrono::steady_clock::now();
    if (file_->IsStillAtItsPath()) {
        unchecked_.clear();
        uncheckedEntries_ = {};
        return;
    }
    const std::string again = std::move(unchecked_);
    const Tally entries = uncheckedEntries_;
    if (!file_->Close()) Lost(file_->LastError(), Tally{1, 0});
    file_.reset();
    if (!OpenFile()) {
        Lost(fileSystem_.LastError(), entries);
        return;
    }
    Append(again, entries);
}

void Log::Write(std::string_view message) {
    if (path_.empty()) return;
    const Tally entry{1, IsCrcLine(message) ? 1 : 0};
    entry_.assign(message);
    entry_ += support::kLineBreak;
    if (!file_ && !OpenFile()) {
        Lost(fileSystem_.LastError(), entry);
        return;
    }
    if (!Append(entry_, entry)) return;
    unchecked_ += entry_;
    uncheckedEntries_ += entry;
    if (std::chrono::steady_clock::now() - lookedAt_ >= kLookInterval ||
        unchecked_.size() >= kMostUnchecked) {
        FollowThePath();
    }
}

void Log::Close() {
    if (!file_) return;
    if (uncheckedEntries_.entries > 0) FollowThePath();
    if (!file_) return;
    if (!file_->Close()) {
        Lost(file_->LastError(), writtenSinceOpen_.entries > 0 ? writtenSinceOpen_ : Tally{1, 0});
    }
    file_.reset();
}

}  // namespace brenx::options
