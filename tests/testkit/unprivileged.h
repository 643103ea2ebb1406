#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace brenx::testkit {

// The user a test runs as when it must not be root (permissions do not stop root).
inline constexpr uid_t kUnprivilegedId = 65534;

// Runs `work` in a child process that is not root (root drops to
// kUnprivilegedId first; anyone else stays who they are) and returns what it
// wrote, or "child failed" when the child could not run it.
inline std::string RunUnprivileged(const std::function<std::string()>& work) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return "child failed";
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        const bool dropped =
            geteuid() != 0 || (setgroups(0, nullptr) == 0 &&
                               setresgid(kUnprivilegedId, kUnprivilegedId, kUnprivilegedId) == 0 &&
                               setresuid(kUnprivilegedId, kUnprivilegedId, kUnprivilegedId) == 0);
        if (!dropped) _exit(1);
        const std::string text = work();
        const bool whole =
            write(pipeEnds[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
        _exit(whole ? 0 : 1);
    }
    close(pipeEnds[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    close(pipeEnds[0]);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return "child failed";
    }
    return text;
}

}  // namespace brenx::testkit
