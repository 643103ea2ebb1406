#pragma once

#include <memory>

namespace brenx::run {
class RunState;
}

namespace brenx::jobs {

class DestinationFlush;

// The shape every kind of job follows, in this order: what the window shows
// for it (its label, caption and mode), its start question (with the checks
// that end a job before it starts), its preparation (media, key files,
// directories), then its work. A step that returns false ends the job; the
// run's verdict says why.
class JobKind {
  public:
    virtual ~JobKind() = default;
    virtual void Present(run::RunState& run) = 0;
    virtual bool Start(run::RunState& run) = 0;
    virtual bool Prepare(run::RunState&) { return true; }
    virtual void Work(run::RunState& run) = 0;
};

// Runs one job through the steps of its kind.
void RunJobKind(run::RunState& run, JobKind& kind);

// The kind of job the run's settings describe, tried in a fixed order: a
// program to execute, archive bits to clear, a read-back, a verify, and
// otherwise a copy. A copy remembers in `flush` the destinations it copied
// files to.
std::unique_ptr<JobKind> ChooseJobKind(run::RunState& run, DestinationFlush& flush);

}  // namespace brenx::jobs
