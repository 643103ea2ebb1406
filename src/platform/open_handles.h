#pragma once

#include <algorithm>
#include <vector>

namespace brenx::platform {

// An open file that can let go of its medium for a while.
class ReleasableFile {
  public:
    virtual ~ReleasableFile() = default;
    // Closes the descriptor for now; the next use opens the file again.
    virtual void LetGo() = 0;
};

// The files a file system has open: each enters when it opens and leaves
// when it is destroyed, so that all of them can be let go at once (before
// the operator is asked for anything, who may take the medium out).
class OpenHandles {
  public:
    void Add(ReleasableFile* file) { files_.push_back(file); }
    void Remove(ReleasableFile* file) { std::erase(files_, file); }
    void LetAllGo() {
        for (ReleasableFile* file : files_)
            file->LetGo();
    }
    std::size_t Count() const { return files_.size(); }

  private:
    std::vector<ReleasableFile*> files_;
};

}  // namespace brenx::platform
