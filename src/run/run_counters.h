#pragma once

#include <cstdint>

namespace brenx::run {

// The run's counters. They span every job of the run; only the counts-file
// load and a media change (cdByteCount) set them back.
struct RunCounters {
    std::int64_t fileCount = 0;     // files copied, verified, read back or cleared
    std::int64_t byteCount = 0;     // bytes of those files
    std::int64_t cdByteCount = 0;   // bytes since the current media went in
    std::int64_t newerSkipped = 0;  // skipped as not newer or not different
    std::int64_t crcErrors = 0;     // CRC mismatches found by verify
    std::int64_t optionSkips = 0;   // skipped by a skip setting
    std::int32_t autoSkips = 0;     // skipped by the BLRautoSkip rule
    std::int64_t wrongDates = 0;    // copies whose date was not set as their source's
    std::int64_t archiveKept = 0;   // files whose archive bit could not be cleared
    std::int64_t passedOver = 0;    // entries passed over for something screwy about them

    // Sources that changed while they were copied.
    std::int64_t changedSources = 0;
    // Files the operator skipped at a question (copy, verify, read-back).
    std::int64_t operatorSkips = 0;
    // Entries left out as not regular: fifos, sockets, devices, links to
    // directories.
    std::int64_t nonRegular = 0;

    // Per-file progress and the destination's free space as last shown.
    std::int64_t fileSize = 0;
    std::int64_t fileBytesRead = 0;
    std::int64_t dstBytesFree = 0;
};

}  // namespace brenx::run
