#include "platform/host_arguments.h"

#include "platform/command_line.h"
#include "platform/windows_path.h"
#include "support/text_primitives.h"

namespace brenx::platform {
namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool IsAbsoluteWindowsPath(std::string_view text) {
    const bool drive = text.size() >= 3 && support::IsAsciiLetter(text[0]) && text[1] == ':' &&
                       IsSeparator(text[2]);
    return drive || (text.size() > 2 && text[0] == '\\' && text[1] == '\\');
}

HostError ToHost(const std::string& windows, const DriveMap& drives,
                 std::string_view currentDirectory, std::string& host) {
    WindowsPath path;
    if (HostError e = ParseFullPath(windows, currentDirectory, drives, path);
        e != HostError::None) {
        return e;
    }
    return HostPathOf(path, drives, host);
}

HostError ProgramPath(std::string& program, const DriveMap& drives,
                      std::string_view currentDirectory) {
    if (program.empty()) return HostError::InvalidArgument;
    // A bare name is left for the PATH search; a host path stays as it is.
    if (program[0] == '/' || program.find_first_of("\\/") == std::string::npos) {
        return HostError::None;
    }
    std::string host;
    if (HostError e = ToHost(program, drives, currentDirectory, host); e != HostError::None) {
        return e;
    }
    program = host;
    return HostError::None;
}

}  // namespace

HostError HostArguments(std::string_view commandLine, const DriveMap& drives,
                        std::string_view currentDirectory, std::vector<std::string>& arguments) {
    std::vector<std::string> words = SplitWindowsCommandLine(commandLine);
    if (words.empty()) return HostError::InvalidArgument;
    if (HostError e = ProgramPath(words[0], drives, currentDirectory); e != HostError::None) {
        return e;
    }
    for (std::size_t i = 1; i < words.size(); ++i) {
        std::string host;
        if (IsAbsoluteWindowsPath(words[i]) &&
            ToHost(words[i], drives, currentDirectory, host) == HostError::None) {
            words[i] = host;
        }
    }
    arguments = std::move(words);
    return HostError::None;
}

}  // namespace brenx::platform
