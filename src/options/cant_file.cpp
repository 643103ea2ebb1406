#include "options/cant_file.h"

#include <string_view>

#include "options/line_end_stream.h"
#include "support/ascii_case.h"
#include "support/read_ahead_stream.h"
#include "support/text_file.h"
#include "support/text_primitives.h"

namespace brenx::options {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

bool PatternMatches(platform::FileSystem& fileSystem, const std::string& directory,
                    std::string_view pattern, const std::string& name) {
    auto search = fileSystem.FindFirst(directory + std::string(pattern), platform::kAttrAnyFile);
    if (!search) return false;
    platform::SearchEntry entry;
    while (search->Next(entry)) {
        if (support::SameTextIgnoringAsciiCase(entry.name, name)) return true;
    }
    return false;
}

}  // namespace

bool IsListedInCantFile(platform::FileSystem& fileSystem, const JobSettings& settings,
                        const std::string& directory, const std::string& name) {
    if (settings.cant_file.empty()) return false;
    auto file = fileSystem.Open(directory + settings.cant_file, platform::Access::Read,
                                platform::Disposition::OpenExisting);
    if (!file) return false;
    support::ReadAheadStream readAhead(*file);
    LineEndStream stream(readAhead);
    bool listed = false;
    bool more = true;
    while (more && !listed) {
        std::string line;
        more = support::ReadTextLine(stream, line);
        support::TrimLeadingSpaces(line);
        if (line.empty() || line.front() == ';') continue;
        const std::string_view pattern = TrimBlanks(line);
        listed = !pattern.empty() && PatternMatches(fileSystem, directory, pattern, name);
    }
    file->Close();
    return listed;
}

}  // namespace brenx::options
