#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "testkit/host_environment.h"

namespace brenx::testkit {

// Temporary drives made while one lives go on a memory-backed file system
// where there is one: the fault sweeps' thousands of runs flush and sync what
// they write, and take seconds so. A sweep's world has it as its first base,
// so that it is in force when the world makes its drives.
class MemoryBackedTemp {
  public:
    MemoryBackedTemp() {
        const char* old = std::getenv("TMPDIR");
        if (old != nullptr) old_ = old;
        if (std::filesystem::is_directory("/dev/shm")) SetVariable("TMPDIR", "/dev/shm");
    }
    ~MemoryBackedTemp() {
        if (old_) {
            SetVariable("TMPDIR", *old_);
        } else {
            ClearVariable("TMPDIR");
        }
    }
    MemoryBackedTemp(const MemoryBackedTemp&) = delete;
    MemoryBackedTemp& operator=(const MemoryBackedTemp&) = delete;

  private:
    std::optional<std::string> old_;
};

}  // namespace brenx::testkit
