#include "options/log_file.h"

#include "support/safe_format.h"
#include "support/text_file.h"

namespace brenx::options {

void Log::Lost(platform::HostError why) {
    ++failedEntries_;
    lastFailure_ = why;
}

void Log::Write(std::string_view message) {
    if (path_.empty()) return;
    auto file = fileSystem_.Open(path_, platform::Access::Write, platform::Disposition::OpenAlways);
    if (!file) {
        Lost(fileSystem_.LastError());
        return;
    }
    const std::int64_t end = file->SeekToEnd();
    if (end < 0) {
        Lost(file->LastError());
        file->Close();
        return;
    }
    entry_.assign(message);
    entry_ += support::kLineBreak;
    const int written = support::WriteText(*file, entry_);
    const platform::HostError writeError = file->LastError();
    // Half an entry is taken back: it would run into the next one, and a cut
    // CRC line would name a wrong checksum or a wrong file.
    if (written < 0 && writeError != platform::HostError::None) file->Truncate(end);
    const bool closed = file->Close();
    if (written < 0) {
        // No host error means the entry was refused for its length.
        Lost(writeError == platform::HostError::None ? platform::HostError::InvalidArgument
                                                     : writeError);
    } else if (!closed) {
        Lost(file->LastError());
    }
}

}  // namespace brenx::options
