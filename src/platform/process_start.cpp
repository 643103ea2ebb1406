#include "platform/process_start.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>

#include "platform/command_line.h"
#include "platform/windows_path.h"

extern char** environ;

namespace brenx::platform {

namespace {

// Processes started and not yet collected. The engine runs on one thread.
std::vector<pid_t>& Started() {
    static std::vector<pid_t> started;
    return started;
}

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool IsAbsoluteWindowsPath(std::string_view text) {
    const bool drive = text.size() >= 3 &&
                       ((text[0] >= 'a' && text[0] <= 'z') || (text[0] >= 'A' && text[0] <= 'Z')) &&
                       text[1] == ':' && IsSeparator(text[2]);
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

// The child starts with default signal handling and nothing blocked,
// whatever the program did with its own.
void ResetSignals(posix_spawnattr_t& attributes) {
    sigset_t all;
    sigfillset(&all);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
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

bool StartCommandLine(std::string_view commandLine, const DriveMap& drives,
                      std::string_view currentDirectory, HostError& error,
                      const std::string& workingDirectory) {
    ReapStartedProcesses();
    std::vector<std::string> arguments;
    error = HostArguments(commandLine, drives, currentDirectory, arguments);
    if (error != HostError::None) return false;
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    ResetSignals(attributes);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!workingDirectory.empty()) {
        posix_spawn_file_actions_addchdir_np(&actions, workingDirectory.c_str());
    }
    pid_t pid = 0;
    // glibc's posix_spawn reports a failed exec (no such program, no right to
    // run it) and a failed change of directory as its own result, so the
    // failure is known before this returns.
    const bool searchPath = arguments[0].find('/') == std::string::npos;
    const int result =
        searchPath ? posix_spawnp(&pid, argv[0], &actions, &attributes, argv.data(), environ)
                   : posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (result != 0) {
        error = HostErrorFromErrno(result);
        return false;
    }
    Started().push_back(pid);
    error = HostError::None;
    return true;
}

int ReapStartedProcesses() {
    std::vector<pid_t>& started = Started();
    std::vector<pid_t> running;
    for (pid_t pid : started) {
        int status = 0;
        const pid_t result = waitpid(pid, &status, WNOHANG);
        // 0: still running. -1 with ECHILD: someone else collected it.
        if (result == 0 || (result < 0 && errno == EINTR)) running.push_back(pid);
    }
    started = std::move(running);
    return static_cast<int>(started.size());
}

}  // namespace brenx::platform
