#pragma once

#include <string>

namespace brenx::run {
class RunState;
}

namespace brenx::jobs {

// Re-roots a name from a CRC log for media that came back somewhere else.
// Nothing changes while the run has no verify root. A root of one character
// replaces the drive letter. A longer root (a directory) replaces the start
// of every name up to a cut fixed from the first name seen since the root was
// set: after "d:" when the drive-letter dialog's "Include verify name
// subdirs" is ticked (the logged directories are kept under the root),
// otherwise after the first name's last backslash (the files are taken from
// the root and its subdirectories as they lay under the first file's
// directory).
void ApplyVerifyRoot(run::RunState& run, std::string& name);

}  // namespace brenx::jobs
