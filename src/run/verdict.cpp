#include "run/verdict.h"

#include <utility>

#include "run/exit_codes.h"

namespace brenx::run {
namespace {

// The codes with which a walk or verify ends, whatever made it end.
bool SumsUpAFailure(std::int32_t code) {
    switch (code) {
        case kExitCopyFiles:
        case kExitCopyDirectories:
        case kExitClearFiles:
        case kExitClearDirectories:
        case kExitReadFiles:
        case kExitReadDirectories:
        case kExitVerifyFailed:
            return true;
        default:
            return false;
    }
}

bool Replaces(std::int32_t standing, std::int32_t later) {
    if (standing == kExitFlushFailed) return false;
    return SumsUpAFailure(later);
}

}  // namespace

void Verdict::Fail(std::int32_t code, std::string reason) {
    if (code == kExitSuccess) return;  // nothing failed
    expected_ = reason;
    if (failed_ && !Replaces(code_, code)) return;
    code_ = code;
    reason_ = std::move(reason);
    failed_ = true;
}

void Verdict::Ok() {
    code_ = kExitSuccess;
    failed_ = false;
}

void Verdict::Provisional(std::int32_t code) {
    if (failed_) return;
    code_ = code;
}

bool Verdict::TakeUntold() {
    if (!failed_ || reason_ == told_) return false;
    told_ = reason_;
    return true;
}

}  // namespace brenx::run
