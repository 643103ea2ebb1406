#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "testkit/stage.h"
#include "testkit/steady_operator.h"

// The kit's stage for the targets that need files, with the command line
// given: its file system opens names on d: and e: only, so that no input can
// make a target read the host's own files, and the process's current
// directory is put back after each input (a target may change it, as "-i"
// does).
namespace brenx::fuzz {

class FuzzDrives : public testkit::Stage<testkit::SteadyOperator> {
  public:
    explicit FuzzDrives(std::vector<std::string> arguments = {})
        : Stage(std::move(arguments), "d:\\prog"), home_(open(".", O_RDONLY | O_CLOEXEC)) {
        fs.onlyTheDrives = true;
    }
    ~FuzzDrives() {
        if (home_ >= 0) close(home_);
    }

    void ComeHome() {
        if (home_ >= 0 && fchdir(home_) != 0) std::abort();
    }

  private:
    int home_;
};

}  // namespace brenx::fuzz
