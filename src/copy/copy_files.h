#pragma once

#include <string>

namespace brenx::run {
class RunState;
}

namespace brenx::copy {

// Copies the files of one source directory into the destination directory
// (both end with a backslash), in the order the file system lists them:
// plain files, and hidden ones with the hidden option. For each: the sanity
// check, a fifo, socket or device logged and counted as left out, the
// destination name, the file shown, the start-file wait, the
// random wait or eject, then attempts until the file is copied, skipped or
// the job ends; then the progress line and the Stop poll. The destination
// directory is made (again) before the first copy and after new media, and
// listed, when copies an earlier run left unfinished there are removed.
// Counts every copied file by the bytes actually copied. False when the job
// must end.
bool CopyFilesOfDirectory(run::RunState& run, const std::string& source,
                          const std::string& destination);

}  // namespace brenx::copy
