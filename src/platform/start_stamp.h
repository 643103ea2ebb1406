#pragma once

#include <string>

namespace brenx::platform {

// The start stamp "yymmddhhmm" of the local time now. The program takes it
// once, at start-up, and keeps it.
std::string StartStampNow();

}  // namespace brenx::platform
