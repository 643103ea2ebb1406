#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace brenx::platform {

// The back end's own handle that a press makes ready (a descriptor that
// becomes readable on POSIX), for the waits of that same back end.
struct WakeHandle {
    std::intptr_t value = -1;
    bool Valid() const { return value >= 0; }
};

// Ctrl-C as the Stop button, not the end of the program half-way through a
// file. Each press is counted and wakes whatever waits for one.
class InterruptRequests {
  public:
    virtual ~InterruptRequests() = default;

    // Routes the host's interrupt here (one object at a time). False when it
    // cannot be caught.
    virtual bool Install() = 0;
    // Counts a press and wakes the waits; safe to call from the host's
    // interrupt handler.
    virtual void Press() = 0;
    // The presses since the last call. Cheap when there are none: no host
    // call, so the engine's per-block poll costs nothing.
    virtual int Take() = 0;

    // Ready while a press waits to be taken; invalid when none could be made.
    virtual WakeHandle Wake() const = 0;
    // Makes the wake handle not ready again; a wait calls it when it woke.
    virtual void ClearWake() = 0;

    // Calls `listener` for every batch of presses, from a thread of its own:
    // the listener hands the press over to its own thread (a window's event
    // loop) and takes it there. Replaces any listener before; null stops.
    virtual void Listen(std::function<void()> listener) = 0;
};

// The interrupts of this host.
std::unique_ptr<InterruptRequests> MakeInterruptRequests();

}  // namespace brenx::platform
