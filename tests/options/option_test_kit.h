#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "options/command_line.h"
#include "testkit/scripted_run_operator.h"
#include "testkit/stage.h"

namespace brenx::options::testing {

using testkit::kStamp;

// The kit's stage with a scripted operator and the program's directory
// e:\prog; the tests make their own option loads over it.
class OptionWorld : public testkit::Stage<testkit::ScriptedRunOperator> {
  public:
    OptionWorld() : Stage({}, "e:\\prog") {
        std::filesystem::create_directories(drives.Host("e/prog"));
    }

    CommandLine Parse(const std::vector<std::string>& arguments) {
        return ParseCommandLine(arguments, Environment(), drives.Fs(), op);
    }
};

}  // namespace brenx::options::testing
