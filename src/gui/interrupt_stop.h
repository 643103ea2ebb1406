#pragma once

#include <QObject>
#include <memory>

#include "platform/interrupt_requests.h"

namespace brenx::gui {

// Ctrl-C on the terminal that started the program is a Stop press, not the
// end of the program half-way through a file. The host layer catches it;
// each batch of presses reaches the window's event loop as Pressed.
class InterruptStop : public QObject {
    Q_OBJECT

  public:
    explicit InterruptStop(QObject* parent = nullptr);
    ~InterruptStop() override;

    // Routes the host's interrupt here; false when it cannot be caught.
    bool Install();

  signals:
    void Pressed();

  private:
    std::unique_ptr<platform::InterruptRequests> requests_;
};

}  // namespace brenx::gui
