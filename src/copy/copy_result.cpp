#include "copy/copy_result.h"

#include "platform/host_reason.h"

namespace brenx::copy {

std::string CopyFailureReason(const CopyOutcome& outcome) {
    if (outcome.error != platform::HostError::None) {
        return platform::HostErrorReason(outcome.error);
    }
    switch (outcome.stage) {
        case CopyStage::Room:
            return "the file is larger than the space left on the medium";
        case CopyStage::OntoItself:
            return "the copy would overwrite its own source";
        case CopyStage::WriteDestination:
            return "the medium took only part of the data";
        default:
            return {};
    }
}

}  // namespace brenx::copy
