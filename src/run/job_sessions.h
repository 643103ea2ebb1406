#pragma once

#include <cstdint>
#include <string>

#include "run/drive_letter_dialog.h"

namespace brenx::run {

// What only copy jobs keep from one file, and one job, to the next.
struct CopySession {
    // Random waits and ejects: the media byte counts at which the next are due.
    std::int64_t nextWaitAt = 0;
    std::int64_t nextEjectAt = 0;
    // The part of this run's temporary copy names that no other run has
    // (copy/unfinished_copy.h); drawn at the first copy.
    std::string token;
    // The destination is treated as a packet-written CD-R (its names made
    // safe, random waits); set anew for each copy job.
    bool cdrMode = false;
    // The destination directory is to be made again before the next copy
    // (new media, a new directory).
    bool destinationDirPending = false;
};

// What only verify keeps: the drive or directory put in place of the logged
// one, how much of the logged name it replaces, and the dialog that picks it.
struct VerifySession {
    explicit VerifySession(platform::FileSystem& fileSystem) : driveLetters(fileSystem) {}

    std::string root;
    std::int32_t cut = 0;
    DriveLetterDialog driveLetters;
};

}  // namespace brenx::run
