#include "run/tick_source.h"

#include <chrono>

namespace brenx::run {

std::uint64_t SteadyTickSource::Milliseconds() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

}  // namespace brenx::run
