#include "platform/start_stamp.h"

#include "platform/clock.h"
#include "support/date_stamp.h"

namespace brenx::platform {

std::string StartStampNow() {
    return support::FormatStartStamp(LocalNow());
}

}  // namespace brenx::platform
