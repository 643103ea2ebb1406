#include "platform/posix/process_start.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>

#include "platform/host_arguments.h"
#include "platform/posix/errno_error.h"

extern char** environ;

namespace brenx::platform {

namespace {

// Processes started and not yet collected. The engine runs on one thread.
std::vector<pid_t>& Started() {
    static std::vector<pid_t> started;
    return started;
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
