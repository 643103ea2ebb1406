#include "run/run_state.h"

#include "options/option_load.h"

namespace brenx::run {

RunState::RunState(const RunParts& parts)
    : verifySession(parts.fileSystem),
      parts_(parts),
      releasingOp_(parts.op, parts.fileSystem, parts.log) {}

options::JobSettings& RunState::Settings() {
    return parts_.options.Settings();
}

void RunState::TakeEchoKeys() {
    echoKeys.dstkey = Settings().dstkey;
    echoKeys.srckey = Settings().srckey;
}

}  // namespace brenx::run
