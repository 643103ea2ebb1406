#include "support/path_names.h"

#include <algorithm>
#include <utility>

#include "support/text_primitives.h"
#include "support/utf8.h"

namespace brenx::support {

namespace {

bool StartsWithTwoBackslashes(std::string_view path) {
    return path.size() >= 2 && path[0] == '\\' && path[1] == '\\';
}

// Byte index just past the directory part (last backslash or colon); 0 when none.
std::size_t FileNameStart(std::string_view path) {
    const std::size_t last = path.find_last_of("\\:");
    return last == std::string_view::npos ? 0 : last + 1;
}

}  // namespace

void StripTrailingBackslash(std::string& path) {
    if (!path.empty() && path.back() == '\\') path.pop_back();
}

void EnsureTrailingBackslash(std::string& path) {
    StripTrailingBackslash(path);
    path += '\\';
}

void EnsureTrailingBackslashIfSet(std::string& path) {
    if (!path.empty()) EnsureTrailingBackslash(path);
}

std::string WithTrailingBackslash(std::string_view path) {
    std::string result(path);
    EnsureTrailingBackslash(result);
    return result;
}

bool HasPathSyntax(std::string_view name) {
    return name.find_first_of("\\:") != std::string_view::npos;
}

bool HasWildcard(std::string_view name) {
    return name.find_first_of("*?") != std::string_view::npos;
}

std::string JoinPath(std::string_view directory, std::string_view name) {
    if (HasPathSyntax(name)) return std::string(name);
    return WithTrailingBackslash(directory).append(name);
}

void ResolveBareName(std::string& name, std::string_view directoryWithBackslash) {
    if (name.empty() || HasPathSyntax(name)) return;
    name.insert(0, directoryWithBackslash);
}

void ResolveBesideFile(std::string_view file, std::string& name) {
    if (name.empty() || HasPathSyntax(name)) return;
    name.insert(0, file.substr(0, FileNameStart(file)));
}

void ResolveProgramRelativeName(std::string& name, std::string_view directoryWithBackslash) {
    if (name.empty() || name.find(':') != std::string::npos) return;
    if (name.find('\\') == 0) return;
    name.insert(0, directoryWithBackslash);
}

std::size_t RootLength(std::string_view path) {
    if (!StartsWithTwoBackslashes(path)) {
        const std::size_t first = path.find('\\');
        return first == std::string_view::npos ? path.size() : first + 1;
    }
    // Deliberately unbounded: a share name far from the server name must still
    // end the root where it really ends.
    const std::size_t afterServer = path.find('\\', 2);
    if (afterServer == std::string_view::npos) return 1;
    const std::size_t afterShare = path.find('\\', afterServer + 1);
    return afterShare == std::string_view::npos ? 0 : afterShare + 1;
}

std::string PathRoot(std::string_view path) {
    return std::string(path.substr(0, RootLength(path)));
}

bool ForceDirectoryPieces(std::string_view path, bool fixDotCrash,
                          std::vector<std::string>& pieces) {
    pieces.clear();
    std::string_view left = path;
    while (!left.empty()) {
        if (pieces.size() == kMaxDirectoryPieces) {
            pieces.clear();
            return false;
        }
        std::size_t length = RootLength(left);
        if (length < 1) length = left.size();
        std::string piece(left.substr(0, length));
        if (fixDotCrash && piece.front() == '.') piece.insert(0, kDotCrashPrefix);
        pieces.push_back(std::move(piece));
        left.remove_prefix(length);
    }
    return true;
}

std::string NameWithoutExtension(std::string_view path) {
    const std::string fileName = KeepRest(path, FileNameStart(path));
    return fileName.substr(0, fileName.find('.'));
}

std::string ShortenName(std::string_view name, std::size_t limit) {
    const std::size_t length = Utf8Length(name);
    if (length <= limit) return std::string(name);
    const std::size_t excess = length - limit;
    const std::string stem = NameWithoutExtension(name);
    // The extension is taken from the file-name part only, so that stem and
    // extension never overlap and the result never exceeds the limit.
    const std::size_t start = FileNameStart(name);
    const std::size_t lastDot = name.find_last_of('.');
    const std::string extension = (lastDot == std::string_view::npos || lastDot < start)
                                      ? std::string()
                                      : KeepRest(name, lastDot);
    if (excess < Utf8Length(stem)) return Utf8DropLast(stem, excess) + extension;
    return Utf8Prefix(name, limit);
}

std::vector<std::string> SplitPathComponents(std::string_view path) {
    std::vector<std::string> entries;
    std::size_t at = 0;
    if (StartsWithTwoBackslashes(path)) {
        at = std::min<std::size_t>(3, path.size());
    } else if (path.size() >= 2 && path[1] == ':') {
        at = 2;
    }
    if (at > 0) entries.emplace_back(path.substr(0, at));
    while (at < path.size()) {
        std::size_t end = path.find('\\', at);
        if (end == at) {
            entries.emplace_back("\\");
            ++at;
            continue;
        }
        if (end == std::string_view::npos) end = path.size();
        entries.emplace_back(path.substr(at, end - at));
        at = end;
    }
    return entries;
}

std::string ShortenLongComponents(std::string_view path, bool& changed) {
    changed = false;
    std::string result;
    for (const std::string& entry : SplitPathComponents(path)) {
        if (Utf8Length(entry) > kLongComponentLimit) {
            result += ShortenName(entry, kLongComponentLimit);
            changed = true;
        } else {
            result += entry;
        }
    }
    return result;
}

}  // namespace brenx::support
