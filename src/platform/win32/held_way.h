#pragma once

#include <string>
#include <vector>

#include "platform/host_error.h"

namespace brenx::platform {

// The directories on a path's way, held open while a call goes through them.
// Each is looked at by its own handle, which does not follow a link, and is
// held without delete sharing: until the hold ends, nobody can rename or
// remove it to put a link in its place, so the way the call takes is the way
// that was looked at.
class HeldWay {
  public:
    HeldWay() = default;
    ~HeldWay();
    HeldWay(const HeldWay&) = delete;
    HeldWay& operator=(const HeldWay&) = delete;

    // Holds the directory (a \\?\ path) as the next one on the way.
    // LinkRefused when it is a reparse point, PathNotFound when it is missing
    // or is no directory, else the host's reason when it cannot be opened.
    HostError Hold(const std::wstring& directory);

  private:
    std::vector<void*> handles_;
};

}  // namespace brenx::platform
