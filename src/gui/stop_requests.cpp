#include "gui/stop_requests.h"

#include <QEventLoop>
#include <utility>

namespace brenx::gui {

void StopRequests::Press() {
    pressed_ = true;
    if (wait_) wait_->quit();
}

bool StopRequests::Take() {
    return std::exchange(pressed_, false);
}

}  // namespace brenx::gui
