#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_drives.h"
#include "fuzz/fuzz_kit.h"
#include "options/command_line.h"

// The command line over any arguments (the input's parts): switches, plain
// arguments, environment references and host paths, on temporary drives.
namespace {

std::string Lookup(const std::string& name) {
    if (name == "SRC") return "d:\\src";
    if (name == "EMPTY" || name.empty()) return {};
    return name.size() < 4 ? "-" + name : std::string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static brenx::fuzz::FuzzDrives drives;
    const brenx::fuzz::Parts parts(data, size);
    std::vector<std::string> arguments;
    for (std::size_t i = 0; i < parts.Count() && i < 16; ++i)
        arguments.push_back(parts.Part(i));
    brenx::testkit::SteadyOperator op;
    const brenx::options::CommandLine line =
        brenx::options::ParseCommandLine(arguments, Lookup, drives.fs, op);
    drives.ComeHome();
    (void)line;
    return 0;
}
