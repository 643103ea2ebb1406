#include "gui/interrupt_stop.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>

namespace brenx::gui {
namespace {

int wakeFds[2] = {-1, -1};

void OnInterrupt(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(wakeFds[1], &byte, 1);
    errno = saved;
}

}  // namespace

InterruptStop::InterruptStop(QObject* parent) : QObject(parent) {}

InterruptStop::~InterruptStop() {
    if (notifier_ == nullptr) return;
    signal(SIGINT, SIG_DFL);
    close(wakeFds[0]);
    close(wakeFds[1]);
    wakeFds[0] = wakeFds[1] = -1;
}

bool InterruptStop::Install() {
    if (notifier_ != nullptr || wakeFds[0] >= 0) return false;
    if (pipe2(wakeFds, O_NONBLOCK | O_CLOEXEC) != 0) return false;
    notifier_ = new QSocketNotifier(wakeFds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &InterruptStop::Drain);
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return sigaction(SIGINT, &action, nullptr) == 0;
}

void InterruptStop::Drain() {
    char bytes[64];
    while (read(wakeFds[0], bytes, sizeof bytes) > 0) {
    }
    emit Pressed();
}

}  // namespace brenx::gui
