#include "options/log_file.h"

#include "support/text_file.h"
#include "support/utf8.h"

namespace brenx::options {

namespace {

bool FitsTheLimit(std::string_view entry) {
    // Characters, not bytes, count; a UTF-8 character has at most four bytes.
    if (entry.size() <= support::kMaxWrittenText) return true;
    return entry.size() <= 4 * support::kMaxWrittenText &&
           support::Utf8Length(entry) <= support::kMaxWrittenText;
}

}  // namespace

void Log::Lost(platform::HostError why) {
    ++failedEntries_;
    lastFailure_ = why;
}

bool Log::OpenFile() {
    file_ = fileSystem_.Open(path_, platform::Access::Append, platform::Disposition::OpenAlways);
    if (file_) return true;
    Lost(fileSystem_.LastError());
    return false;
}

// One write at the end of the file. Half an entry is taken back: it would run
// into the next one, and a cut CRC line would name a wrong checksum or a
// wrong file. The file is closed after a failure, and opened again for the
// next entry.
bool Log::Append() {
    const auto size = static_cast<std::int64_t>(entry_.size());
    const std::int64_t written = file_->Write(entry_.data(), size);
    if (written == size) return true;
    const platform::HostError why = file_->LastError();
    if (written > 0) {
        const std::int64_t end = file_->Size();
        if (end >= written) file_->Truncate(end - written);
    }
    file_->Close();
    file_.reset();
    Lost(why);
    return false;
}

void Log::Write(std::string_view message) {
    if (path_.empty()) return;
    entry_.assign(message);
    entry_ += support::kLineBreak;
    if (!FitsTheLimit(entry_)) {
        Lost(platform::HostError::InvalidArgument);
        return;
    }
    if (!file_ && !OpenFile()) return;
    if (!Append() || file_->IsStillAtItsPath()) return;
    // Moved or deleted while open: the entry goes to the file the path names now.
    Close();
    if (OpenFile()) Append();
}

void Log::Close() {
    if (!file_) return;
    if (!file_->Close()) Lost(file_->LastError());
    file_.reset();
}

}  // namespace brenx::options
