#include "copy/transfer.h"

#include <cstdint>

#include "options/job_settings.h"
#include "platform/file_handle.h"
#include "run/file_progress.h"
#include "run/keep_going.h"
#include "run/run_state.h"
#include "support/crc32.h"

namespace brenx::copy {
CopyOutcome Transfer(run::RunState& run, platform::FileHandle& source,
                     platform::FileHandle* destination, support::Crc32Register& sum) {
    std::uint8_t* const data = run.buffer.Data();
    const auto block = static_cast<std::int64_t>(run::TransferBuffer::Size());
    const bool crc = run.Settings().crc;
    std::int64_t passed = 0;
    for (;;) {
        const std::int64_t count = source.Read(data, block);
        if (count < 0) return CopyFailed(kCopyBroken, CopyStage::ReadSource, source.LastError());
        if (count > 0) {
            if (destination != nullptr && destination->Write(data, count) < count) {
                return CopyFailed(kCopyBroken, CopyStage::WriteDestination,
                                  destination->LastError());
            }
            if (crc) support::Crc32Update(data, static_cast<std::size_t>(count), sum);
            passed += count;
            run.counters.fileBytesRead += count;
            if (run::FileProgressDue(run)) run::ShowFileProgress(run);
        }
        if (!run::KeepGoing(run)) return CopyFailed(kCopyBroken, CopyStage::Stopped);
        if (count < block) {
            CopyOutcome whole;
            whole.bytes = passed;
            return whole;
        }
    }
}

}  // namespace brenx::copy
