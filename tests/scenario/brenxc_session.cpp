#include "brenxc_session.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "program_under_test.h"

extern char** environ;

namespace brenx::scenario {
namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::string> Environment(const Scenario& scenario) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        if (!text.starts_with("BRENX_")) environment.push_back(text);
    }
    environment.push_back("BRENX_DRIVES=" + scenario.drives);
    return environment;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

void Drain(int& fd, std::string& text) {
    char bytes[4096];
    const ssize_t count = read(fd, bytes, sizeof bytes);
    if (count > 0) {
        text.append(bytes, static_cast<std::size_t>(count));
    } else if (count == 0 || errno != EAGAIN) {
        close(fd);
        fd = -1;
    }
}

}  // namespace

Scenario::Scenario() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/brenxc-XXXXXX";
    root_ = mkdtemp(pattern.data()) ? pattern : std::string();
    std::filesystem::create_directories(root_ + "/s");
    std::filesystem::create_directories(root_ + "/t");
    drives = "s=" + root_ + "/s;t=" + root_ + "/t;l=" + root_;
}

Scenario::~Scenario() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

void Scenario::Write(const std::string& relative, const std::string& content) const {
    std::filesystem::create_directories(std::filesystem::path(Host(relative)).parent_path());
    std::ofstream(Host(relative), std::ios::binary) << content;
}

std::string Scenario::Read(const std::string& relative) const {
    std::ifstream in(Host(relative), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Scenario::Exists(const std::string& relative) const {
    struct stat status {};
    return lstat(Host(relative).c_str(), &status) == 0;
}

BrenxcSession::BrenxcSession(const Scenario& scenario, const std::vector<std::string>& arguments) {
    // Answers typed to a program that has ended must not end the test.
    signal(SIGPIPE, SIG_IGN);
    int in[2], err[2], out[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0) {
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    std::vector<std::string> argv = ProgramCommand();
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<std::string> environment = Environment(scenario);
    std::vector<char*> argvPointers = Pointers(argv);
    std::vector<char*> environmentPointers = Pointers(environment);
    const bool drivesGiven = !UnderWine() || GiveWineTheDrives(scenario.drives);
    if (!drivesGiven || posix_spawnp(&pid_, argv[0].c_str(), &actions, nullptr, argvPointers.data(),
                                     environmentPointers.data()) != 0) {
        pid_ = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(err[1]);
    close(out[1]);
    input_ = in[1];
    errors_ = err[0];
    output_ = out[0];
    fcntl(errors_, F_SETFL, O_NONBLOCK);
    fcntl(output_, F_SETFL, O_NONBLOCK);
}

BrenxcSession::~BrenxcSession() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    for (int fd : {input_, errors_, output_}) {
        if (fd >= 0) close(fd);
    }
}

void BrenxcSession::Type(const std::string& text) {
    if (input_ < 0) return;
    // A program that has ended reads no more: what it did not read is lost.
    [[maybe_unused]] const ssize_t written = write(input_, text.data(), text.size());
}

void BrenxcSession::CloseInput() {
    if (input_ >= 0) close(input_);
    input_ = -1;
}

void BrenxcSession::Interrupt() {
    if (pid_ > 0) kill(pid_, SIGINT);
}

void BrenxcSession::Kill() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

bool BrenxcSession::Collect(std::chrono::milliseconds wait) {
    pollfd fds[2] = {{errors_, POLLIN, 0}, {output_, POLLIN, 0}};
    if (errors_ < 0 && output_ < 0) return false;
    if (poll(fds, 2, static_cast<int>(wait.count())) <= 0) return true;
    if (fds[0].revents != 0) Drain(errors_, errorText_);
    if (fds[1].revents != 0) Drain(output_, outputText_);
    return true;
}

bool BrenxcSession::WaitFor(const std::string& text, std::chrono::milliseconds timeout) {
    const Clock::time_point end = Clock::now() + timeout;
    for (;;) {
        const std::size_t found = errorText_.find(text, searchedTo_);
        if (found != std::string::npos) {
            searchedTo_ = found + text.size();
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
        if (left.count() <= 0 || !Collect(left)) return false;
    }
}

RunResult BrenxcSession::Finish(std::chrono::milliseconds timeout) {
    CloseInput();
    const Clock::time_point end = Clock::now() + timeout;
    while (Clock::now() < end && Collect(std::chrono::milliseconds(100))) {
    }
    RunResult result;
    if (pid_ > 0) {
        if (errors_ >= 0 || output_ >= 0) kill(pid_, SIGKILL);  // it did not end in time
        int status = 0;
        waitpid(pid_, &status, 0);
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        pid_ = -1;
    }
    result.errors = errorText_;
    result.output = outputText_;
    return result;
}

RunResult RunBrenxc(const Scenario& scenario, const std::vector<std::string>& arguments,
                    const std::string& input) {
    BrenxcSession session(scenario, arguments);
    session.Type(input);
    return session.Finish();
}

}  // namespace brenx::scenario
