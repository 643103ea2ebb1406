#include "testkit/faulty_file_system.h"

#include <algorithm>

namespace brenx::platform {

namespace {

using Verdict = FaultyFileSystem::Verdict;
using State = FaultyFileSystem::State;

class FaultyFileHandle : public FileHandle {
  public:
    FaultyFileHandle(std::unique_ptr<FileHandle> inner, std::shared_ptr<State> state,
                     std::string path)
        : inner_(std::move(inner)), state_(std::move(state)), path_(std::move(path)) {}

    std::int64_t Read(void* buffer, std::int64_t count) override {
        if (Faulted(FsCall::Read)) return -1;
        return Pass(inner_->Read(buffer, count));
    }

    std::int64_t Write(const void* data, std::int64_t count) override {
        const Verdict verdict = state_->Count(FsCall::Write);
        if (verdict.fail && verdict.shortBytes >= 0) {
            state_->unflushed.insert(path_);
            const std::int64_t stored = inner_->Write(data, std::min(count, verdict.shortBytes));
            SetLastError(verdict.error);
            return stored;
        }
        if (verdict.fail) {
            SetLastError(verdict.error);
            return -1;
        }
        state_->unflushed.insert(path_);
        return Pass(inner_->Write(data, count));
    }

    bool Seek(std::int64_t offset) override {
        if (Faulted(FsCall::Seek)) return false;
        return Pass(inner_->Seek(offset));
    }
    std::int64_t Position() override {
        if (Faulted(FsCall::Seek)) return -1;
        return Pass(inner_->Position());
    }
    std::int64_t SeekToEnd() override {
        if (Faulted(FsCall::Seek)) return -1;
        return Pass(inner_->SeekToEnd());
    }
    std::int64_t Size() override {
        if (Faulted(FsCall::Size)) return -1;
        return Pass(inner_->Size());
    }
    DosDateTime GetDate() override {
        if (Faulted(FsCall::HandleGetDate)) return kNoDosDateTime;
        return Pass(inner_->GetDate());
    }
    bool GetStatus(FileStatus& status) override {
        if (Faulted(FsCall::HandleStatus)) return false;
        return Pass(inner_->GetStatus(status));
    }
    // Known from the open: no call of its own.
    bool StatusAtOpen(FileStatus& status) override { return Pass(inner_->StatusAtOpen(status)); }
    bool SetDate(DosDateTime date) override {
        const Verdict verdict = state_->Count(FsCall::HandleSetDate);
        if (verdict.ignore) return Ignored();
        if (verdict.fail) {
            SetLastError(verdict.error);
            return false;
        }
        return Pass(inner_->SetDate(date));
    }
    bool KeepsDates() const override { return inner_->KeepsDates(); }
    bool Flush() override {
        if (Faulted(FsCall::HandleFlush)) return false;
        return Flushed(inner_->Flush());
    }
    // Counted as HandleFlush.
    bool FlushData() override {
        if (Faulted(FsCall::HandleFlush)) return false;
        return Flushed(inner_->FlushData());
    }
    // Never made to fail: a hold changes nothing on the medium.
    bool HoldExclusively() override { return Pass(inner_->HoldExclusively()); }
    bool DropCachedPages() override {
        if (Faulted(FsCall::DropCachedPages)) return false;
        return Pass(inner_->DropCachedPages());
    }

    bool Truncate(std::int64_t length) override {
        if (Faulted(FsCall::Truncate)) return false;
        return Pass(inner_->Truncate(length));
    }
    bool IsStillAtItsPath() override { return inner_->IsStillAtItsPath(); }

    // A failed close still releases the file, as a real one does.
    bool Close() override {
        const Verdict verdict = state_->Count(FsCall::Close);
        const bool closed = inner_->Close();
        if (verdict.fail) {
            SetLastError(verdict.error);
            return false;
        }
        return Pass(closed);
    }

  private:
    bool Faulted(FsCall kind) {
        const Verdict verdict = state_->Count(kind);
        if (verdict.fail) SetLastError(verdict.error);
        return verdict.fail;
    }
    bool Ignored() {
        SetLastError(HostError::None);
        return true;
    }
    bool Flushed(bool flushed) {
        if (flushed) state_->unflushed.erase(path_);
        return Pass(flushed);
    }
    template <typename T>
    T Pass(T result) {
        SetLastError(inner_->LastError());
        return result;
    }

    std::unique_ptr<FileHandle> inner_;
    std::shared_ptr<State> state_;
    std::string path_;
};

class FaultySearch : public DirectorySearch {
  public:
    FaultySearch(std::unique_ptr<DirectorySearch> inner, std::shared_ptr<State> state)
        : inner_(std::move(inner)), state_(std::move(state)) {}

    bool Next(SearchEntry& entry) override {
        const Verdict verdict = state_->Count(FsCall::FindNext);
        if (verdict.fail) {
            SetLastError(verdict.error);
            return false;
        }
        const bool found = inner_->Next(entry);
        SetLastError(inner_->LastError());
        if (found) LookAt(entry);
        return found;
    }

  private:
    // A fault leaves what the directory's listing alone would tell.
    void LookAt(SearchEntry& entry) {
        const Verdict verdict = state_->Count(FsCall::LookAtEntry);
        if (!verdict.fail) return;
        entry.attributes &= kAttrDirectory | kAttrHidden | kAttrSystem;
        entry.sizeHigh = 0;
        entry.sizeLow = 0;
        entry.date = kNoDosDateTime;
        entry.archiveKnown = false;
        entry.lookError = verdict.error;
    }

    std::unique_ptr<DirectorySearch> inner_;
    std::shared_ptr<State> state_;
};

}  // namespace

Verdict State::Count(FsCall kind) {
    const int n = ++calls[static_cast<std::size_t>(kind)];
    if (stopAt > 0) {
        int total = 0;
        for (int count : calls)
            total += count;
        if (total >= stopAt) {
            ++fired;
            return {true, HostError::IoError, -1};
        }
    }
    for (const Rule& rule : rules) {
        if (rule.kind == kind && (n == rule.n || (rule.persistent && n > rule.n))) {
            ++fired;
            if (rule.ignore) return {false, HostError::None, -1, true};
            return {true, rule.error, rule.shortBytes};
        }
    }
    return {};
}

FaultyFileSystem::FaultyFileSystem(FileSystem& inner)
    : inner_(inner), state_(std::make_shared<State>()) {}

void FaultyFileSystem::FailCall(FsCall kind, int n, HostError error, bool persistent) {
    state_->rules.push_back({kind, n, error, persistent, -1});
}

void FaultyFileSystem::ShortenWrite(int n, std::int64_t bytes, HostError error) {
    state_->rules.push_back({FsCall::Write, n, error, false, std::max<std::int64_t>(bytes, 0)});
}

void FaultyFileSystem::IgnoreCall(FsCall kind, int n, bool persistent) {
    state_->rules.push_back({kind, n, HostError::None, persistent, -1, true});
}

void FaultyFileSystem::StopAt(int n) {
    state_->stopAt = n;
}

void FaultyFileSystem::LoseUnflushedData(const std::string& medium) {
    for (const std::string& path : state_->unflushed) {
        if (!path.starts_with(medium)) continue;
        std::unique_ptr<FileHandle> file =
            inner_.Open(path, Access::ReadWrite, Disposition::OpenExisting);
        const std::int64_t size = file ? file->Size() : -1;
        if (size <= 0) continue;
        const DosDateTime date = file->GetDate();
        const std::string zeros(static_cast<std::size_t>(size), '\0');
        file->Write(zeros.data(), size);
        file->SetDate(date);
        file->Close();
    }
    std::erase_if(state_->unflushed,
                  [&medium](const std::string& path) { return path.starts_with(medium); });
}

void FaultyFileSystem::ClearFaults() {
    state_->rules.clear();
    state_->stopAt = 0;
}

void FaultyFileSystem::ResetCounts() {
    state_->calls.fill(0);
    state_->fired = 0;
}

int FaultyFileSystem::Calls(FsCall kind) const {
    return state_->calls[static_cast<std::size_t>(kind)];
}

int FaultyFileSystem::TotalCalls() const {
    int total = 0;
    for (int count : state_->calls)
        total += count;
    return total;
}

int FaultyFileSystem::FaultsFired() const {
    return state_->fired;
}

bool FaultyFileSystem::Faulted(FsCall kind) {
    const Verdict verdict = state_->Count(kind);
    if (verdict.fail) SetLastError(verdict.error);
    return verdict.fail;
}

bool FaultyFileSystem::Intercepted(FsCall kind, bool& reported) {
    const Verdict verdict = state_->Count(kind);
    if (!verdict.fail && !verdict.ignore) return false;
    SetLastError(verdict.error);
    reported = verdict.ignore;
    return true;
}

std::unique_ptr<FileHandle> FaultyFileSystem::Open(const std::string& path, Access access,
                                                   Disposition disposition) {
    if (Faulted(FsCall::Open)) return nullptr;
    std::unique_ptr<FileHandle> handle = inner_.Open(path, access, disposition);
    SetLastError(inner_.LastError());
    if (!handle) return nullptr;
    return std::make_unique<FaultyFileHandle>(std::move(handle), state_, path);
}

bool FaultyFileSystem::DeleteFile(const std::string& path) {
    if (Faulted(FsCall::Delete)) return false;
    return Pass(inner_.DeleteFile(path));
}

std::int64_t FaultyFileSystem::GetAttributes(const std::string& path) {
    if (Faulted(FsCall::GetAttributes)) return -1;
    return Pass(inner_.GetAttributes(path));
}

bool FaultyFileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
    if (bool reported = false; Intercepted(FsCall::SetAttributes, reported)) return reported;
    return Pass(inner_.SetAttributes(path, attributes));
}

DosDateTime FaultyFileSystem::GetFileDate(const std::string& path) {
    if (Faulted(FsCall::GetDate)) return kNoDosDateTime;
    return Pass(inner_.GetFileDate(path));
}

bool FaultyFileSystem::SetFileDate(const std::string& path, DosDateTime date) {
    if (bool reported = false; Intercepted(FsCall::SetDate, reported)) return reported;
    return Pass(inner_.SetFileDate(path, date));
}

std::unique_ptr<DirectorySearch> FaultyFileSystem::FindFirst(const std::string& pattern,
                                                             std::uint32_t attributeFilter) {
    if (Faulted(FsCall::FindFirst)) return nullptr;
    std::unique_ptr<DirectorySearch> search = inner_.FindFirst(pattern, attributeFilter);
    SetLastError(inner_.LastError());
    if (!search) return nullptr;
    return std::make_unique<FaultySearch>(std::move(search), state_);
}

std::unique_ptr<DirectorySearch> FaultyFileSystem::FindFirstWithoutArchive(
    const std::string& pattern, std::uint32_t attributeFilter) {
    if (Faulted(FsCall::FindFirst)) return nullptr;
    std::unique_ptr<DirectorySearch> search =
        inner_.FindFirstWithoutArchive(pattern, attributeFilter);
    SetLastError(inner_.LastError());
    if (!search) return nullptr;
    return std::make_unique<FaultySearch>(std::move(search), state_);
}

std::unique_ptr<DirectorySearch> FaultyFileSystem::FindSubdirectories(
    const std::string& pattern, std::uint32_t attributeFilter) {
    if (Faulted(FsCall::FindFirst)) return nullptr;
    std::unique_ptr<DirectorySearch> search = inner_.FindSubdirectories(pattern, attributeFilter);
    SetLastError(inner_.LastError());
    if (!search) return nullptr;
    return std::make_unique<FaultySearch>(std::move(search), state_);
}

bool FaultyFileSystem::SetCurrentDirectory(const std::string& path) {
    if (Faulted(FsCall::ChangeDirectory)) return false;
    return Pass(inner_.SetCurrentDirectory(path));
}

std::string FaultyFileSystem::CurrentDirectory() {
    if (Faulted(FsCall::CurrentDirectory)) return {};
    return Pass(inner_.CurrentDirectory());
}

bool FaultyFileSystem::CreateDirectory(const std::string& path) {
    if (Faulted(FsCall::CreateDirectory)) return false;
    return Pass(inner_.CreateDirectory(path));
}

std::unique_ptr<FileHandle> FaultyFileSystem::OpenWithoutLinks(const std::string& path,
                                                               Access access,
                                                               Disposition disposition) {
    if (Faulted(FsCall::Open)) return nullptr;
    std::unique_ptr<FileHandle> handle = inner_.OpenWithoutLinks(path, access, disposition);
    SetLastError(inner_.LastError());
    if (!handle) return nullptr;
    return std::make_unique<FaultyFileHandle>(std::move(handle), state_, path);
}

bool FaultyFileSystem::MakeDirectoriesWithoutLinks(const std::string& path) {
    if (Faulted(FsCall::CreateDirectory)) return false;
    return Pass(inner_.MakeDirectoriesWithoutLinks(path));
}

bool FaultyFileSystem::DeleteWithoutLinks(const std::string& path) {
    if (Faulted(FsCall::Delete)) return false;
    const bool deleted = inner_.DeleteWithoutLinks(path);
    if (deleted) state_->unflushed.erase(path);
    return Pass(deleted);
}

bool FaultyFileSystem::RenameWithoutLinks(const std::string& from, const std::string& to) {
    if (Faulted(FsCall::Rename)) return false;
    return Pass(Renamed(inner_.RenameWithoutLinks(from, to), from, to));
}

bool FaultyFileSystem::RenameNewWithoutLinks(const std::string& from, const std::string& to) {
    if (Faulted(FsCall::Rename)) return false;
    return Pass(Renamed(inner_.RenameNewWithoutLinks(from, to), from, to));
}

bool FaultyFileSystem::Renamed(bool renamed, const std::string& from, const std::string& to) {
    if (!renamed) return false;
    // What was at `to` is gone, and the data of `from` is as flushed as it was.
    const bool pending = state_->unflushed.erase(from) > 0;
    state_->unflushed.erase(to);
    if (pending) state_->unflushed.insert(to);
    return true;
}

DosDateTime FaultyFileSystem::GetDateWithoutLinks(const std::string& path) {
    if (Faulted(FsCall::GetDate)) return kNoDosDateTime;
    return Pass(inner_.GetDateWithoutLinks(path));
}

bool FaultyFileSystem::SetDateWithoutLinks(const std::string& path, DosDateTime date) {
    if (bool reported = false; Intercepted(FsCall::SetDate, reported)) return reported;
    return Pass(inner_.SetDateWithoutLinks(path, date));
}

bool FaultyFileSystem::SetAttributesWithoutLinks(const std::string& path,
                                                 std::uint32_t attributes) {
    if (bool reported = false; Intercepted(FsCall::SetAttributes, reported)) return reported;
    return Pass(inner_.SetAttributesWithoutLinks(path, attributes));
}

std::int64_t FaultyFileSystem::FreeBytesAvailable(const std::string& path) {
    if (Faulted(FsCall::FreeSpace)) return -1;
    return Pass(inner_.FreeBytesAvailable(path));
}

bool FaultyFileSystem::FlushVolume(const std::string& path) {
    if (Faulted(FsCall::FlushVolume)) return false;
    const bool flushed = inner_.FlushVolume(path);
    if (flushed) state_->unflushed.clear();
    return Pass(flushed);
}

bool FaultyFileSystem::FullPathName(const std::string& name, std::string& fullPath) {
    if (Faulted(FsCall::FullPathName)) return false;
    return Pass(inner_.FullPathName(name, fullPath));
}

bool FaultyFileSystem::ShortPathName(const std::string& path, std::string& shortPath) {
    if (Faulted(FsCall::ShortPathName)) return false;
    return Pass(inner_.ShortPathName(path, shortPath));
}

bool FaultyFileSystem::FileExists(const std::string& path) {
    if (Faulted(FsCall::FileExists)) return false;
    return Pass(inner_.FileExists(path));
}

bool FaultyFileSystem::SameEntry(const std::string& first, const std::string& second) {
    if (Faulted(FsCall::SameEntry)) return false;
    return Pass(inner_.SameEntry(first, second));
}

std::string FaultyFileSystem::ProgramPath() {
    if (Faulted(FsCall::ProgramPath)) return {};
    return Pass(inner_.ProgramPath());
}

void FaultyFileSystem::ReleaseMedia() {
    inner_.ReleaseMedia();
}

bool FaultyFileSystem::HostPath(const std::string& path, std::string& hostPath) {
    return Pass(inner_.HostPath(path, hostPath));
}

}  // namespace brenx::platform
