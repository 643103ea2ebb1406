#include "run/run_state.h"

#include "options/option_load.h"

namespace brenx::run {

Run::Run(const RunParts& parts) : driveLetters(parts.fileSystem), parts_(parts) {}

options::JobSettings& Run::Settings() {
    return parts_.options.Settings();
}

void Run::TakeEchoKeys() {
    echoKeys.dstkey = Settings().dstkey;
    echoKeys.srckey = Settings().srckey;
}

}  // namespace brenx::run
