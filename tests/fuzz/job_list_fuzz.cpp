#include <cstdint>
#include <string>

#include "fuzz/fuzz_drives.h"
#include "fuzz/fuzz_kit.h"
#include "options/log_file.h"
#include "options/spec_file_reader.h"

// A job list ("@" file) of any content, read to its end with questions
// answered by the input's first bytes: it always ends, after no more jobs
// than it has lines, and every job has a source and a destination.
namespace {

// The options a job list is read for: the settings file names it.
struct ListWorld : brenx::fuzz::FuzzDrives {
    ListWorld() : FuzzDrives({"-i+d:\\brenx.ini"}) {
        environment["D"] = "d:\\data";
        drives.Write("d/brenx.ini", "[brenx]\r\nsource=@d:\\jobs.lst\r\n");
        options.LoadJobSettings();
    }
};

// Settings as a fresh run would have them, with the input's choices.
void PrepareSettings(brenx::options::JobSettings& settings, std::uint8_t choices) {
    settings.source = "@d:\\jobs.lst";
    settings.destination = "e:\\dst\\";
    settings.dst_root.clear();
    settings.dstkey.clear();
    settings.srckey.clear();
    settings.evarize = choices & 1;
    settings.dst_drive_dir = choices & 2;
    settings.network_directory_style = static_cast<std::uint8_t>((choices >> 2) % 3);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5) return 0;
    static ListWorld world;
    const std::uint32_t answers =
        data[1] | data[2] << 8 | data[3] << 16 | std::uint32_t{data[4]} << 24;
    const std::string list(reinterpret_cast<const char*>(data) + 5, size - 5);
    world.drives.Write("d/jobs.lst", list);
    PrepareSettings(world.Settings(), data[0]);

    brenx::testkit::SteadyOperator op(brenx::testkit::SteadyOperator::Bits{answers});
    brenx::options::Log log(world.fs, "");
    brenx::options::SpecFileReader reader(world.fs, op, log, world.options);
    if (!reader.StartSpecJobs()) return 0;
    std::size_t jobs = 0;
    for (;;) {
        const brenx::options::SpecStep step = reader.NextSpecJob();
        if (step.kind != brenx::options::SpecStep::Kind::kJob) break;
        const brenx::options::JobSettings& settings = world.Settings();
        BRENX_FUZZ_CHECK(settings.source.ends_with('\\'));
        BRENX_FUZZ_CHECK(settings.destination.ends_with('\\'));
        BRENX_FUZZ_CHECK(++jobs <= list.size());
    }
    BRENX_FUZZ_CHECK(!reader.Active());
    world.ComeHome();
    return 0;
}
