#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "copy/file_facts.h"

namespace brenx::platform {
class FileSystem;
}

namespace brenx::copy {

// What a destination directory held when the walk made sure of it, kept up
// to date with the walk's own copies: the date rule and the room check then
// need no query per file. Unknown when the directory could not be listed.
class DestinationListing {
  public:
    // Lists the directory (ending with a backslash).
    void Take(platform::FileSystem& fileSystem, const std::string& directory);
    // The files of the last listing that an earlier run left unfinished
    // (unfinished_copy.h); they are not among the entries.
    const std::vector<std::string>& Unfinished() const { return unfinished_; }
    // Forgets everything: the facts are asked for again.
    void Clear();

    // Fills the destination part of the facts for the name.
    void Describe(const std::string& name, FileFacts& facts) const;
    // A copy made under the name, with this date and size.
    void Copied(const std::string& name, platform::DosDateTime date, std::int64_t size);
    // Whatever was under the name may be gone (a broken copy deleted).
    void Unsure(const std::string& name);

  private:
    struct Entry {
        platform::DosDateTime date;
        std::int64_t size;
        std::uint32_t attributes;
    };
    bool known_ = false;
    std::unordered_map<std::string, Entry> entries_;
    std::vector<std::string> unfinished_;
    std::unordered_map<std::string, bool> unsure_;
};

}  // namespace brenx::copy
