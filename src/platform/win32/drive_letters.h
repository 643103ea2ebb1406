#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/host_error.h"

namespace brenx::platform {

// Which directory each drive letter stands for. A letter is the host's own
// drive unless it was given a directory (d: -> C:\Users\x\Temp\drives\d), so
// that tests can make drives of temporary folders as they do on POSIX; the
// program itself maps nothing.
class DriveLetters {
  public:
    // Makes the letter (either case) stand for a host directory (C:\dir or
    // \\server\share\dir); an empty one gives the host's drive back. False for
    // a non-letter or a directory that is not a full host path.
    bool SetDirectory(char letter, std::string_view hostDirectory);

    // The host directory of the letter's root without a trailing backslash
    // ("E:" for a host drive); NoMedia for a host drive that is not there or
    // holds no medium.
    HostError RootOf(char letter, std::string& hostRoot) const;
    bool IsMapped(char letter) const;
    bool AnyMapped() const;
    // The upper-case letter whose directory holds a host path (C:\dir\x, no
    // trailing backslash), the longest such one, and that directory's length;
    // false when none does.
    bool LetterHolding(std::string_view hostPath, char& letter, std::size_t& length) const;

  private:
    std::array<std::string, 26> directories_;
};

// Whether a letter names one of the host's drives at all (GetLogicalDrives).
bool HostDriveExists(char letter);

}  // namespace brenx::platform
