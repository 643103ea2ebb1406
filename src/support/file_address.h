#pragma once

#include <string>
#include <string_view>

namespace brenx::support {

// The address of a host file for a browser: "file://" and the absolute host
// path with every byte outside the unreserved characters and "/" written as
// "%XX", then "#" and the fragment when there is one. A Windows path is
// written with slashes, its drive or server kept ("file:///C:/dir/page.htm",
// "file://server/share/page.htm"). A plain path cannot name
// a place inside a page; an address can.
std::string FileAddress(std::string_view hostPath, std::string_view fragment);

}  // namespace brenx::support
