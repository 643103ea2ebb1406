#include "options/version_prompt.h"

#include "support/safe_format.h"
#include "support/text_primitives.h"

namespace brenx::options {

VersionPromptResult ShowVersionPrompt(Operator& op, platform::ProcessStarter& starter,
                                      const std::string& helphtm, const std::string& reason) {
    VersionPromptResult result;
    result.failureReason = reason.empty() ? std::string("miscellaneous fatal error")
                                          : support::SafeFormat("Unknown option (%s)", {reason});
    const std::string question = support::SafeFormat(
        "%s; brenx version %s/%s/%s; see html help (%s)?",
        {result.failureReason, kVersionMajor, kVersionMinor, kVersionYear, helphtm});
    if (op.ConfirmMessage(question, true)) OpenHelpPage(starter, helphtm);
    return result;
}

void OpenHelpPage(platform::ProcessStarter& starter, const std::string& helphtm) {
    std::string page = helphtm;
    support::Quote(page);
    platform::HostError ignored = platform::HostError::None;
    starter.Start(std::string(kDocumentOpener) + " " + page, ignored);
}

}  // namespace brenx::options
