#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "options/command_line.h"
#include "options/option_load.h"
#include "platform/temp_drives.h"
#include "support/environment_references.h"
#include "testkit/scripted_operator.h"

namespace brenx::options::testing {

inline constexpr const char* kStamp = "2612061806";

// Temporary drives d: (the current directory) and e: (the program's
// directory), an environment of the test's choosing and a scripted operator.
class OptionWorld {
  public:
    OptionWorld() {
        std::filesystem::create_directories(drives.Host("e/prog"));
        drives.Fs().SetCurrentDirectory("d:\\");
    }

    support::EnvironmentLookup Environment() const {
        return [vars = variables](const std::string& name) {
            const auto found = vars.find(name);
            return found == vars.end() ? std::string() : found->second;
        };
    }

    CommandLine Parse(const std::vector<std::string>& arguments) {
        return ParseCommandLine(arguments, Environment(), drives.Fs(), op);
    }

    OptionInputs Inputs(std::vector<std::string> arguments) const {
        return OptionInputs{std::move(arguments), Environment(), "e:\\prog", kStamp};
    }

    platform::testing::TempDrives drives;
    std::map<std::string, std::string> variables;
    testkit::ScriptedOperator op;
};

}  // namespace brenx::options::testing
