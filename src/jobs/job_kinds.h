#pragma once

#include <string>

#include "jobs/job_kind.h"

// One class per kind of job; each tells its steps in its own file.
namespace brenx::jobs {

// Runs a program once per job and waits for its flag file to go.
class ExecuteJobKind : public JobKind {
  public:
    void Present(run::RunState& run) override;
    bool Start(run::RunState& run) override;
    void Work(run::RunState& run) override;
};

// Clears the archive bits of the source's files.
class ArcClearJobKind : public JobKind {
  public:
    void Present(run::RunState& run) override;
    bool Start(run::RunState& run) override;
    bool Prepare(run::RunState& run) override;
    void Work(run::RunState& run) override;
};

// Reads the destination's tree back.
class ReadBackJobKind : public JobKind {
  public:
    void Present(run::RunState& run) override;
    bool Start(run::RunState& run) override;
    bool Prepare(run::RunState& run) override;
    void Work(run::RunState& run) override;
};

// Verifies media against a CRC log. Verify puts its start question only
// once it has relabelled the window, and any of its steps that fails fails
// the job with one code, so all of it is its work.
class VerifyJobKind : public JobKind {
  public:
    void Present(run::RunState& run) override;
    bool Start(run::RunState&) override { return true; }
    void Work(run::RunState& run) override;
};

// Copies the source's tree onto the destination (jobs/copy_job.cpp).
class CopyJobKind : public JobKind {
  public:
    explicit CopyJobKind(DestinationFlush& flush) : flush_(flush) {}
    void Present(run::RunState& run) override;
    bool Start(run::RunState& run) override;
    bool Prepare(run::RunState& run) override;
    void Work(run::RunState& run) override;

  private:
    bool DirectoriesUsable(run::RunState& run);

    DestinationFlush& flush_;
};

}  // namespace brenx::jobs
