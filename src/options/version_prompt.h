#pragma once

#include <string>

#include "options/operator.h"
#include "platform/file_system.h"
#include "platform/process_starter.h"

namespace brenx::options {

// The exit code of a run that could not start and showed the version prompt.
inline constexpr int kExitVersionPrompt = 153;

// The program's version as the prompt shows it.
inline constexpr const char* kVersionMajor = "2";
inline constexpr const char* kVersionMinor = "18";
inline constexpr const char* kVersionYear = "2015";

// What the version prompt leaves for the run: the exit code to set and the
// failure text.
struct VersionPromptResult {
    int exitCode = kExitVersionPrompt;
    std::string failureReason;
};

// The prompt that ends a run which cannot start: names the reason ("Unknown
// option (reason)", or "miscellaneous fatal error" for an empty one) and the
// version, and offers the help page, which opens when the operator agrees.
VersionPromptResult ShowVersionPrompt(Operator& op, platform::ProcessStarter& starter,
                                      const std::string& helphtm, const std::string& reason);

// Opens the help page with the desktop's document opener, without waiting;
// whether it opened is not reported.
void OpenHelpPage(platform::ProcessStarter& starter, const std::string& helphtm);

// The help page's section on the media question (the anchor "media").
inline constexpr const char* kMediaHelpSection = "media";

// Opens the help page at one of its sections. A section cannot follow a plain
// file name, so the page is named by its file address; a page without a host
// name (a drive without a mapping) opens as OpenHelpPage opens it.
void OpenHelpSection(platform::ProcessStarter& starter, platform::FileSystem& fileSystem,
                     const std::string& helphtm, const std::string& section);

}  // namespace brenx::options
