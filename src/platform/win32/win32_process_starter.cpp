#include "platform/win32/win32_process_starter.h"

#include <windows.h>

#include <vector>

#include "platform/command_line.h"
#include "platform/win32/win32_error.h"
#include "platform/win32/win32_text.h"

namespace brenx::platform {
namespace {

bool IsBareName(const std::string& program) {
    return program.find_first_of("\\/:") == std::string::npos;
}

// Windows runs "tool" as "tool.exe"; a name with a dot in its last part is
// taken as it is.
std::string WithDefaultExtension(std::string program) {
    const std::size_t lastName = program.find_last_of("\\/:");
    const std::size_t dot = program.rfind('.');
    if (dot == std::string::npos || (lastName != std::string::npos && dot < lastName)) {
        program += ".exe";
    }
    return program;
}

std::wstring PathVariable() {
    const DWORD size = GetEnvironmentVariableW(L"PATH", nullptr, 0);
    if (size == 0) return {};
    std::wstring path(size, L'\0');
    path.resize(GetEnvironmentVariableW(L"PATH", path.data(), size));
    return path;
}

// Why the file system refused a path; a refusal always has a reason.
HostError FailureOf(const FileSystem& fileSystem) {
    const HostError error = fileSystem.LastError();
    return error != HostError::None ? error : HostError::InvalidName;
}

}  // namespace

HostError FindProgramAlongPath(const std::string& name, std::string& hostProgram) {
    std::wstring wideName;
    if (!WideFromUtf8(name, wideName) || wideName.empty()) return HostError::InvalidName;
    const std::wstring path = PathVariable();
    if (path.empty()) return HostError::NotFound;
    std::vector<wchar_t> found(MAX_PATH);
    for (;;) {
        const DWORD length = SearchPathW(path.c_str(), wideName.c_str(), L".exe",
                                         static_cast<DWORD>(found.size()), found.data(), nullptr);
        if (length == 0) return HostError::NotFound;
        if (length < found.size()) {
            hostProgram = Utf8FromWide(std::wstring_view(found.data(), length));
            return HostError::None;
        }
        found.resize(length);
    }
}

bool StartHostProcess(const std::string& commandLine, const std::string& hostProgram,
                      const std::string& hostWorkingDirectory, HostError& error) {
    std::wstring line;
    std::wstring program;
    std::wstring directory;
    if (!WideFromUtf8(commandLine, line) || !WideFromUtf8(hostProgram, program) ||
        !WideFromUtf8(hostWorkingDirectory, directory)) {
        error = HostError::InvalidName;
        return false;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    // CreateProcessW may write into the line it is given.
    if (CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       directory.empty() ? nullptr : directory.c_str(), &startup, &process) == 0) {
        error = HostErrorFromWin32(GetLastError());
        return false;
    }
    // Nothing waits for it: the handles go, the process runs on.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    error = HostError::None;
    return true;
}

HostError Win32ProcessStarter::FindProgram(const std::string& program, std::string& hostProgram) {
    if (IsBareName(program)) return FindProgramAlongPath(program, hostProgram);
    std::string full = program;
    if (!fileSystem_.FullPathName(program, full) ||
        !fileSystem_.HostPath(WithDefaultExtension(full), hostProgram)) {
        return FailureOf(fileSystem_);
    }
    return HostError::None;
}

// Programs start in the program's current directory, which the process
// itself need not be in.
bool Win32ProcessStarter::Start(const std::string& commandLine, HostError& error) {
    const std::vector<std::string> words = SplitWindowsCommandLine(commandLine);
    if (words.empty() || words[0].empty()) {
        error = HostError::InvalidArgument;
        return false;
    }
    std::string hostProgram;
    std::string hostDirectory;
    error = FindProgram(words[0], hostProgram);
    if (error != HostError::None) return false;
    const std::string current = fileSystem_.CurrentDirectory();
    if (current.empty() || !fileSystem_.HostPath(current, hostDirectory)) {
        error = FailureOf(fileSystem_);
        return false;
    }
    return StartHostProcess(commandLine, hostProgram, hostDirectory, error);
}

}  // namespace brenx::platform
