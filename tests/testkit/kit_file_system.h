#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "testkit/faulty_file_system.h"

namespace brenx::testkit {

// A file handle that passes every call on and lets a test look at the file
// just before the first read of its data.
class ProbeHandle : public platform::FileHandle {
  public:
    ProbeHandle(std::unique_ptr<platform::FileHandle> inner, std::function<void()> beforeRead)
        : inner_(std::move(inner)), beforeRead_(std::move(beforeRead)) {}

    std::int64_t Read(void* buffer, std::int64_t count) override {
        if (beforeRead_) std::exchange(beforeRead_, nullptr)();
        return inner_->Read(buffer, count);
    }
    std::int64_t Write(const void* data, std::int64_t count) override {
        return inner_->Write(data, count);
    }
    bool Seek(std::int64_t offset) override { return inner_->Seek(offset); }
    std::int64_t Position() override { return inner_->Position(); }
    std::int64_t Size() override { return inner_->Size(); }
    std::int64_t SeekToEnd() override { return inner_->SeekToEnd(); }
    platform::DosDateTime GetDate() override { return inner_->GetDate(); }
    bool SetDate(platform::DosDateTime date) override { return inner_->SetDate(date); }
    bool Flush() override { return inner_->Flush(); }
    bool DropCachedPages() override { return inner_->DropCachedPages(); }
    bool Close() override { return inner_->Close(); }

  private:
    std::unique_ptr<platform::FileHandle> inner_;
    std::function<void()> beforeRead_;
};

// The test worlds' file system: the fault wrapper (failures by call count),
// and besides it names refused with a host error of the test's choosing (to
// an open and to a rename onto them) or refused for lying off the drives, a
// free space of the test's choosing, and a record of the places flushed, the
// free space asked and the files opened, with a look just before the first
// read of each opened file.
class KitFileSystem : public platform::FaultyFileSystem {
  public:
    using platform::FaultyFileSystem::FaultyFileSystem;

    std::unique_ptr<platform::FileHandle> Open(const std::string& path, platform::Access access,
                                               platform::Disposition disposition) override {
        opened.push_back(path);
        if (const auto refusal = Refusal(path)) return Fail(*refusal, nullptr);
        return Probed(path, platform::FaultyFileSystem::Open(path, access, disposition));
    }
    std::unique_ptr<platform::FileHandle> OpenWithoutLinks(
        const std::string& path, platform::Access access,
        platform::Disposition disposition) override {
        if (const auto refusal = Refusal(path)) return Fail(*refusal, nullptr);
        return platform::FaultyFileSystem::OpenWithoutLinks(path, access, disposition);
    }
    // A refused name is refused to a rename too: a copy written under a
    // temporary name meets the refusal when it takes its own.
    bool RenameNewWithoutLinks(const std::string& from, const std::string& to) override {
        if (const auto refusal = Refusal(to)) return Fail(*refusal, false);
        return platform::FaultyFileSystem::RenameNewWithoutLinks(from, to);
    }
    std::int64_t FreeBytesAvailable(const std::string& path) override {
        freeSpaceAsked.push_back(path);
        const std::int64_t measured = platform::FaultyFileSystem::FreeBytesAvailable(path);
        return fixedFree && measured >= 0 ? *fixedFree : measured;
    }
    bool FlushVolume(const std::string& path) override {
        flushed.push_back(path);
        return platform::FaultyFileSystem::FlushVolume(path);
    }

    std::map<std::string, platform::HostError> refusedOpens;
    // Refuses (AccessDenied) every name off the drives d: and e:, so that no
    // input a fuzz target is fed can reach the host's own files.
    bool onlyTheDrives = false;
    std::optional<std::int64_t> fixedFree;
    std::vector<std::string> freeSpaceAsked;
    std::vector<std::string> flushed;
    std::vector<std::string> opened;
    // Called with the path just before the first read of an opened file.
    std::function<void(const std::string&)> beforeRead;

  private:
    std::optional<platform::HostError> Refusal(const std::string& path) {
        const auto refused = refusedOpens.find(path);
        if (refused != refusedOpens.end()) return refused->second;
        if (onlyTheDrives && !OnTheDrives(path)) return platform::HostError::AccessDenied;
        return std::nullopt;
    }
    bool OnTheDrives(const std::string& path) {
        std::string full;
        if (!platform::FaultyFileSystem::FullPathName(path, full) || full.size() < 3) return false;
        const char drive = static_cast<char>(full[0] | 0x20);
        return (drive == 'd' || drive == 'e') && full.compare(1, 2, ":\\") == 0;
    }
    std::unique_ptr<platform::FileHandle> Probed(const std::string& path,
                                                 std::unique_ptr<platform::FileHandle> handle) {
        if (!handle || !beforeRead) return handle;
        return std::make_unique<ProbeHandle>(std::move(handle), [this, path] { beforeRead(path); });
    }
};

}  // namespace brenx::testkit
