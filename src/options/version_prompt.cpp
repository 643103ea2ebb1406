#include "options/version_prompt.h"

#include "platform/document_opener.h"
#include "support/file_address.h"
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
    if (op.ConfirmMessage(question, true, QuestionId::Other)) OpenHelpPage(starter, helphtm);
    return result;
}

namespace {

void OpenDocument(platform::ProcessStarter& starter, std::string document) {
    support::Quote(document);
    platform::HostError ignored = platform::HostError::None;
    starter.Start(std::string(platform::DocumentOpener()) + " " + document, ignored);
}

}  // namespace

void OpenHelpPage(platform::ProcessStarter& starter, const std::string& helphtm) {
    OpenDocument(starter, helphtm);
}

void OpenHelpSection(platform::ProcessStarter& starter, platform::FileSystem& fileSystem,
                     const std::string& helphtm, const std::string& section) {
    std::string hostPath;
    if (section.empty() || !fileSystem.HostPath(helphtm, hostPath)) {
        OpenHelpPage(starter, helphtm);
        return;
    }
    OpenDocument(starter, support::FileAddress(hostPath, section));
}

}  // namespace brenx::options
