#pragma once

#include <QEventLoop>
#include <QPointer>

namespace brenx::gui {

// The Stop presses of the main window (the Stop button, a close request,
// Ctrl-C on the terminal) waiting for the engine's next poll. A press ends a
// wait at once.
class StopRequests {
  public:
    void Press();
    // True when a press waits; the press is taken.
    bool Take();
    bool Pending() const { return pressed_; }

    // The wait that a press ends (null for none).
    void WakeOnPress(QEventLoop* wait) { wait_ = wait; }

  private:
    bool pressed_ = false;
    QPointer<QEventLoop> wait_;
};

}  // namespace brenx::gui
