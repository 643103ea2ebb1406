#include "run/run_state.h"

#include "options/option_load.h"

namespace brenx::run {

RunState::RunState(const RunParts& parts) : driveLetters(parts.fileSystem), parts_(parts) {}

options::JobSettings& RunState::Settings() {
    return parts_.options.Settings();
}

void RunState::TakeEchoKeys() {
    echoKeys.dstkey = Settings().dstkey;
    echoKeys.srckey = Settings().srckey;
}

}  // namespace brenx::run
