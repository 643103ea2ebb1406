#include "platform/posix/mount_points.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace brenx::platform {

namespace {

bool IsOctalDigit(char c) {
    return c >= '0' && c <= '7';
}

std::string Unescaped(std::string_view field) {
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && IsOctalDigit(field[i + 1]) &&
            IsOctalDigit(field[i + 2]) && IsOctalDigit(field[i + 3])) {
            text += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                      (field[i + 3] - '0'));
            i += 3;
        } else {
            text += field[i];
        }
    }
    return text;
}

// The n-th field (from 0) of a line of fields separated by single blanks.
std::string_view Field(std::string_view line, int n) {
    std::size_t start = 0;
    for (int i = 0; i < n; ++i) {
        start = line.find(' ', start);
        if (start == std::string_view::npos) return {};
        ++start;
    }
    return line.substr(start, line.find(' ', start) - start);
}

}  // namespace

std::vector<std::string> ParseMountPoints(std::string_view mountinfo) {
    std::vector<std::string> points;
    std::size_t start = 0;
    while (start < mountinfo.size()) {
        std::size_t end = mountinfo.find('\n', start);
        if (end == std::string_view::npos) end = mountinfo.size();
        const std::string_view field = Field(mountinfo.substr(start, end - start), 4);
        if (!field.empty()) points.push_back(Unescaped(field));
        start = end + 1;
    }
    return points;
}

HostMountPoints::HostMountPoints(std::string tablePath) : tablePath_(std::move(tablePath)) {}

HostMountPoints::~HostMountPoints() {
    if (fd_ >= 0) close(fd_);
}

// The kernel marks the open table when a file system is mounted or
// unmounted; poll reports the mark once.
bool HostMountPoints::Changed() {
    pollfd watch{fd_, POLLPRI, 0};
    return poll(&watch, 1, 0) > 0 && (watch.revents & (POLLPRI | POLLERR)) != 0;
}

void HostMountPoints::Read() {
    points_.clear();
    if (fd_ < 0) fd_ = open(tablePath_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0 || lseek(fd_, 0, SEEK_SET) != 0) return;
    std::string text;
    char buffer[16384];
    for (;;) {
        const ssize_t n = read(fd_, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    points_ = ParseMountPoints(text);
    read_ = true;
}

bool HostMountPoints::IsMountPoint(const std::string& realDirectory) {
    if (!read_ || Changed()) Read();
    return std::find(points_.begin(), points_.end(), realDirectory) != points_.end();
}

}  // namespace brenx::platform
