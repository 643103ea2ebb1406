#include "options/own_log.h"

namespace brenx::options {

namespace {

// Enough for every run one person could start in a minute, and a bound for
// a place that says every name is taken.
constexpr int kMostNumbers = 9999;

}  // namespace

std::string NumberedLogName(const std::string& path, int number) {
    const std::size_t separator = path.find_last_of("\\:");
    const std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    const std::size_t dot = path.rfind('.');
    // A dot that begins the name starts no extension.
    const bool hasExtension = dot != std::string::npos && dot > nameStart;
    const std::size_t at = hasExtension ? dot : path.size();
    std::string numbered = path;
    numbered.insert(at, "_" + std::to_string(number));
    return numbered;
}

std::string CreateOwnLog(platform::FileSystem& fileSystem, const std::string& path) {
    for (int number = 1; number <= kMostNumbers; ++number) {
        const std::string name = number == 1 ? path : NumberedLogName(path, number);
        auto file =
            fileSystem.Open(name, platform::Access::Write, platform::Disposition::CreateNew);
        if (file) {
            file->Close();
            return name;
        }
        if (fileSystem.LastError() != platform::HostError::AlreadyExists) break;
    }
    return path;
}

}  // namespace brenx::options
