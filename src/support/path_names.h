#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Windows-style path routines: backslash separators, drive paths (C:\dir) and
// network paths (\\server\share\dir). Pure string work: nothing here touches
// the file system or the process. Names are UTF-8 byte strings; positions and
// lengths are bytes, except where a name is cut to a number of characters,
// which counts characters and never splits one.
//
// Choices worth knowing:
// - RootLength searches a network path without a length window, so that a
//   long server or share name still gives the whole \\server\share\ root
//   (a cut root would send a copy to the wrong place).
// - ShortenName cuts the name to its first `limit` characters when shortening
//   the stem alone cannot do (the name starts with a dot, or the extension
//   itself is too long); the result never exceeds `limit` characters.
// - SplitPathComponents treats only a leading pair of backslashes as the start
//   of a network path and only "X:" as a drive; any other path is split at
//   every backslash, so a doubled backslash inside a path never glues two
//   components together.
// - Path splitting never drops text, however long the path.
namespace brenx::support {

// Put in front of a directory or file name that begins with a dot on media that
// cannot hold such names: the character U+00DF, written in UTF-8 like every
// other host name.
inline constexpr std::string_view kDotCrashPrefix = "\xC3\x9F";

// Pieces beyond this count make ForceDirectoryPieces refuse the path.
inline constexpr std::size_t kMaxDirectoryPieces = 200;

// Path components longer than this many characters are shortened by
// ShortenLongComponents.
inline constexpr std::size_t kLongComponentLimit = 64;

// Removes one trailing backslash, if there is one.
void StripTrailingBackslash(std::string& path);
// Ends the path with one backslash (two trailing backslashes stay two);
// an empty path becomes "\".
void EnsureTrailingBackslash(std::string& path);
// EnsureTrailingBackslash unless the path is empty.
void EnsureTrailingBackslashIfSet(std::string& path);
// The path after EnsureTrailingBackslash.
std::string WithTrailingBackslash(std::string_view path);

// True when the name contains a backslash or a colon.
bool HasPathSyntax(std::string_view name);
// True when the name contains "*" or "?".
bool HasWildcard(std::string_view name);
// The name itself when it has path syntax, otherwise the directory (with a
// trailing backslash) followed by the name.
std::string JoinPath(std::string_view directory, std::string_view name);

// A non-empty bare name gets the directory in front.
void ResolveBareName(std::string& name, std::string_view directoryWithBackslash);
// A non-empty bare name gets the directory part of `file` (up to and including
// its last backslash or colon) in front.
void ResolveBesideFile(std::string_view file, std::string& name);
// A non-empty name without a colon, whose first backslash (if any) is not its
// first character, gets the directory in front: "sounds\a.wav" is resolved,
// "\sound.wav" and "C:sound.wav" are not.
void ResolveProgramRelativeName(std::string& name, std::string_view directoryWithBackslash);

// The length of the path's root: 3 for C:\dir, 15 for \\server\share\dir,
// 1 for \\server, 0 for \\server\share. For a path not starting with two
// backslashes, the position of its first backslash, or its length when it has
// none.
std::size_t RootLength(std::string_view path);
// The first RootLength characters: C:\ for C:\dir\file, \\server\share\ for
// \\server\share\dir, C: for C:, empty for \\server\share.
std::string PathRoot(std::string_view path);

// Cuts the path into the root and one piece per directory (each with its
// trailing backslash, the last one possibly without). With fixDotCrash every
// piece beginning with a dot gets kDotCrashPrefix in front. False, with no
// pieces, for a path of more than kMaxDirectoryPieces pieces.
bool ForceDirectoryPieces(std::string_view path, bool fixDotCrash,
                          std::vector<std::string>& pieces);

// The file-name part (after the last backslash or colon) cut before its first
// dot; empty when it begins with a dot.
std::string NameWithoutExtension(std::string_view path);
// The name shortened to at most `limit` characters: the stem loses its last
// characters and the extension (from the last dot) is kept, so a name with
// several dots loses what stood between its first and last dot; when the stem
// is too short for that, the first `limit` characters.
std::string ShortenName(std::string_view name, std::size_t limit);

// The path as a list of entries that join back to it: a leading "X:" or
// "\\x" entry, then every backslash as an entry of its own and every text
// between backslashes as one entry.
std::vector<std::string> SplitPathComponents(std::string_view path);
// The path with every component longer than kLongComponentLimit characters
// shortened by ShortenName to that limit; `changed` tells whether any was.
std::string ShortenLongComponents(std::string_view path, bool& changed);

}  // namespace brenx::support
