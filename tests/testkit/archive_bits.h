#pragma once

#include "platform/temp_drives.h"

namespace brenx::testkit {

// False where the temporary drives keep a file's archive bit whatever is
// asked: a POSIX file system without extended attributes, or wine.
inline bool TempDrivesClearArchiveBits() {
    static const bool clears = [] {
        platform::testing::TempDrives probe;
        probe.Write("d/probe", "");
        return probe.Fs().SetAttributes("d:\\probe", platform::kAttrArchive) &&
               probe.Fs().SetAttributes("d:\\probe", 0) &&
               (probe.Fs().GetAttributes("d:\\probe") & platform::kAttrArchive) == 0;
    }();
    return clears;
}

}  // namespace brenx::testkit
