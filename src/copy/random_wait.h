#pragma once

namespace brenx::run {
class RunState;
}

namespace brenx::copy {

// Packet-writing drivers misbehave during long copies, so a copy job onto
// CD-R media stops for RandomTime seconds each time RandomWait more bytes are
// on the media, and asks the operator to eject and reinsert them each time
// RandomEject more bytes are (nothing random about either). Called before
// each file's first attempt and once at the end of the run (`atEnd`: a last
// wait when at least RandomWait bytes are on the media). An eject request
// makes no wait in the same call; the wait that is due comes at the next
// file. A Stop press during a wait offers to skip the rest of it. Nothing
// happens in nocopy, outside copy jobs, off CD-R media, or when RandomWait
// is not positive.
void RandomWaitOrEject(run::RunState& run, bool atEnd);

}  // namespace brenx::copy
