#include "options/spec_file_line.h"

#include "options/job_settings.h"
#include "support/path_names.h"

namespace brenx::options {

namespace {

std::uint8_t LetterBit(char letter) {
    switch (letter) {
        case 's':
            return kSpecRecurse;
        case 'a':
            return kSpecArchiveOnly;
        case 'd':
            return kSpecDestination;
        case 'k':
            return kSpecDestinationKey;
        case 'x':
            return kSpecSourceKey;
        default:
            return 0;
    }
}

std::string Joined(std::string_view base, std::string_view rest) {
    std::string joined(base);
    joined += rest;
    return joined;
}

std::string MapNetworkPath(std::string_view base, std::string_view path, std::uint8_t style) {
    if (style == kNetworkStyleTwo) {
        const std::size_t shareStart = path.find('\\', 2);
        if (shareStart != std::string_view::npos) return Joined(base, path.substr(shareStart));
    } else if (style == kNetworkStyleRest) {
        const std::size_t rootLength = support::RootLength(path);
        if (rootLength == 0) return Joined(base, path);
        return Joined(base, path.substr(rootLength - 1));
    }
    return Joined(base, path.substr(1));
}

}  // namespace

std::uint8_t ParseSpecLetters(std::string_view letters, std::uint8_t start) {
    std::uint8_t flags = start;
    while (!letters.empty()) {
        const std::uint8_t bit = LetterBit(letters.front());
        const bool clear = letters.size() > 1 && letters[1] == '-';
        if (bit == 0) {
            flags |= kSpecBadLetter;
        } else if (clear) {
            flags &= static_cast<std::uint8_t>(~bit);
        } else {
            flags |= bit;
        }
        letters.remove_prefix(clear ? 2 : 1);
    }
    return flags;
}

std::string MapSpecDestination(std::string_view base, std::string_view path,
                               std::uint8_t networkStyle, bool driveDirectory) {
    if (path.starts_with("\\\\")) return MapNetworkPath(base, path, networkStyle);
    if (path.size() >= 3 && path[1] == ':' && path[2] == '\\') {
        if (!driveDirectory) return Joined(base, path.substr(2));
        return Joined(Joined(base, "\\"), path.substr(0, 1)) + std::string(path.substr(2));
    }
    // A relative job path stays a subdirectory of the base ("data" must not
    // become a sibling "backupdata").
    if (!path.starts_with("\\")) return Joined(Joined(base, "\\"), path);
    return Joined(base, path);
}

}  // namespace brenx::options
