#pragma once

#include <string>
#include <utility>
#include <vector>

#include "options/log_file.h"
#include "run/run_state.h"
#include "testkit/scripted_run_operator.h"
#include "testkit/stage.h"

namespace brenx::testkit {

// The parts of a run over a stage, with the log given.
template <typename Op>
run::RunParts PartsOf(Stage<Op>& stage, options::Log& log) {
    return run::RunParts{stage.options, stage.fs,      log,        stage.op,
                         stage.board,   stage.starter, stage.ticks};
}

// A run on the kit's stage with no command line, the log at d:\run.log and
// the options at their built-in defaults (tests set what they need in
// Settings()). Every layer's world is this one, with what its layer adds.
template <typename Op>
class BasicWorld : public Stage<Op> {
  public:
    template <typename... OperatorArgs>
    explicit BasicWorld(std::string programDirectory = "e:\\", OperatorArgs&&... operatorArgs)
        : Stage<Op>({}, std::move(programDirectory), std::forward<OperatorArgs>(operatorArgs)...),
          log(this->fs, "d:\\run.log"),
          run(PartsOf(*this, log)) {}

    std::string LogText() const { return this->drives.Read("d/run.log"); }
    // The log's entries, one per CR LF.
    std::vector<std::string> LogLines() const {
        std::vector<std::string> lines;
        const std::string text = LogText();
        std::size_t start = 0;
        for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos;) {
            lines.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }

    options::Log log;
    run::RunState run;
};

// The world of the tests that script the operator.
using World = BasicWorld<ScriptedRunOperator>;

}  // namespace brenx::testkit
