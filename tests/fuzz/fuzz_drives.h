#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <memory>
#include <string>

#include "platform/temp_drives.h"
#include "support/text_primitives.h"
#include "testkit/faulty_file_system.h"

// Temporary drives for the targets that need files: d: and e: in a
// temporary directory, and a file system that opens files on d: and e: only,
// so that no input can make a target read the host's own files.
namespace brenx::fuzz {

class JailedFileSystem : public platform::FaultyFileSystem {
  public:
    explicit JailedFileSystem(platform::FileSystem& inner)
        : FaultyFileSystem(inner), inner_(inner) {}

    std::unique_ptr<platform::FileHandle> Open(const std::string& path, platform::Access access,
                                               platform::Disposition disposition) override {
        std::string full;
        if (!inner_.FullPathName(path, full) || !Inside(full)) {
            SetLastError(platform::HostError::AccessDenied);
            return nullptr;
        }
        return FaultyFileSystem::Open(path, access, disposition);
    }

  private:
    static bool Inside(const std::string& full) {
        return support::KeyPosition("d:\\", full) == 1 || support::KeyPosition("e:\\", full) == 1;
    }

    platform::FileSystem& inner_;
};

// The drives, and the process's current directory put back after each input
// (a target may change it, as "-i" does).
class FuzzDrives {
  public:
    FuzzDrives() : jailed_(drives_.Fs()), home_(open(".", O_RDONLY | O_CLOEXEC)) {}
    ~FuzzDrives() {
        if (home_ >= 0) close(home_);
    }

    platform::testing::TempDrives& Drives() { return drives_; }
    platform::FileSystem& Fs() { return jailed_; }
    void ComeHome() {
        if (home_ >= 0 && fchdir(home_) != 0) std::abort();
    }

  private:
    platform::testing::TempDrives drives_;
    JailedFileSystem jailed_;
    int home_;
};

}  // namespace brenx::fuzz
