#pragma once

#include <cstddef>
#include <string>

namespace brenx::platform {
struct SearchEntry;
}
namespace brenx::run {
class RunState;
}

namespace brenx::copy {

// The longest name, in characters, that CD-R media take.
inline constexpr std::size_t kCdrNameLimit = 64;

// The name a source file gets on the destination; false when the file is
// passed over (arconly, and the file's archive attribute is clear). Only on
// CD-R media are names changed: with FixDotCrash a name beginning with "."
// gets support::kDotCrashPrefix in front (the same prefix as the directories
// that ForceDirectoryPath makes), and with fixbig a name longer than 64
// characters is shortened (ShortenLongName) and every ";" becomes "_".
bool MakeDestinationName(run::RunState& run, const platform::SearchEntry& entry,
                         std::string& newName);

// A name longer than 64 characters cut to 64: the part before the first dot
// keeps its first characters, followed by "!" and four random letters, and
// the extension (from the last dot) stays; when that part has fewer than
// eight characters, the extension is cut that way instead. A middle part
// between the first and the last dot is dropped. A result that would still
// be too long (a very long extension) is cut to its first 64 characters.
// Lengths count characters, never splitting one.
std::string ShortenLongName(run::RunState& run, const std::string& name);

}  // namespace brenx::copy
