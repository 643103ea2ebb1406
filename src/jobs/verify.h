#pragma once

namespace brenx::run {
class RunState;
}

namespace brenx::jobs {

// The verify job: reads the CRC log that the `verify` setting names (picking
// one when it holds wildcards), reads every file it logs again and compares
// the CRCs. Puts its own start question (run::ConfirmStart). True only
// when the log was read to its end (and, when it named no file, the operator
// agreed to end without error) and every file read had its logged CRC; the
// driver turns false into exit code 8. A file that cannot be read, at its
// start or in its middle, is put to the operator (try again, fix the source,
// skip it, give up) and never counted as verified; a skip is logged and
// counted, and the closing "Verified ..." line is followed by the run's
// count of skipped files when there are any.
bool RunVerify(run::RunState& run);

}  // namespace brenx::jobs
