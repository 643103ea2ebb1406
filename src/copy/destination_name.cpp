#include "copy/destination_name.h"

#include <algorithm>

#include "options/job_settings.h"
#include "platform/directory_search.h"
#include "platform/file_attributes.h"
#include "run/run_state.h"
#include "support/path_names.h"
#include "support/utf8.h"

namespace brenx::copy {
namespace {

// The characters of a shortened part that make room for "!" and four letters.
constexpr std::size_t kMarkLength = 5;

// The first (length - excess - 5) characters of the part, none when that is
// not positive, then "!" and the random letters.
std::string CutWithMark(const std::string& part, std::size_t excess, const std::string& letters) {
    const std::size_t length = support::Utf8Length(part);
    const std::size_t keep = length > excess + kMarkLength ? length - excess - kMarkLength : 0;
    return support::Utf8Prefix(part, keep) + "!" + letters;
}

// Up to the first dot; empty when the name begins with one. (A host name may
// hold a colon, so the path routine that cuts at one is not used here.)
std::string Stem(const std::string& name) {
    return name.substr(0, name.find('.'));
}

std::string Extension(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

}  // namespace

std::string ShortenLongName(run::RunState& run, const std::string& name) {
    const std::size_t length = support::Utf8Length(name);
    const std::size_t excess = length > kCdrNameLimit ? length - kCdrNameLimit : 0;
    const std::string base = Stem(name);
    const std::string extension = Extension(name);
    const std::string letters = run.randomNames.RandomName();
    std::string result;
    if (support::Utf8Length(base) >= 8) {
        result = CutWithMark(base, excess, letters) + extension;
    } else {
        const std::string bare = extension.empty() ? std::string() : extension.substr(1);
        result = base + "." + CutWithMark(bare, excess, letters);
    }
    if (support::Utf8Length(result) > kCdrNameLimit) {
        result = support::Utf8Prefix(result, kCdrNameLimit);
    }
    return result;
}

bool MakeDestinationName(run::RunState& run, const platform::SearchEntry& entry,
                         std::string& newName) {
    const options::JobSettings& settings = run.Settings();
    // An entry that could not be looked at has no archive bit to tell: it is
    // taken, and fails as it is tried.
    if (settings.arconly && entry.lookError == platform::HostError::None &&
        (entry.attributes & (platform::kAttrArchive | platform::kAttrDirectory)) == 0) {
        return false;
    }
    newName = entry.name;
    const bool cdr = run.copySession.cdrMode;
    if (cdr && settings.FixDotCrash && !newName.empty() && newName.front() == '.') {
        newName.insert(0, support::kDotCrashPrefix);
    }
    if (cdr && settings.fixbig) {
        if (support::Utf8Length(newName) > kCdrNameLimit) newName = ShortenLongName(run, newName);
        std::replace(newName.begin(), newName.end(), ';', '_');
    }
    return true;
}

}  // namespace brenx::copy
