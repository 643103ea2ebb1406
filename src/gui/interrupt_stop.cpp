#include "gui/interrupt_stop.h"

#include <QMetaObject>

namespace brenx::gui {

InterruptStop::InterruptStop(QObject* parent) : QObject(parent) {}

// The requests go first: their listener stops before this object does.
InterruptStop::~InterruptStop() {
    requests_.reset();
}

bool InterruptStop::Install() {
    if (requests_ != nullptr) return false;
    requests_ = platform::MakeInterruptRequests();
    // The listener runs on the host layer's thread: the press is queued to
    // this object's own.
    requests_->Listen([this] {
        QMetaObject::invokeMethod(
            this, [this] { emit Pressed(); }, Qt::QueuedConnection);
    });
    return requests_->Install();
}

}  // namespace brenx::gui
