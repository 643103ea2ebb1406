#pragma once

#include <string>

namespace brenx::platform {

// The wide form of a full host path (C:\dir\name or \\server\share\name) that
// the wide calls take at any length: \\?\C:\dir\name, \\?\UNC\server\share\name.
// The names in it are taken as they are, so the path must already be resolved
// ("." and ".." gone, backslashes only). Empty when the path is not UTF-8.
std::wstring LongPathOf(const std::string& hostPath);

// A host path back from the wide form the host gave (GetModuleFileNameW),
// without a \\?\ prefix.
std::string HostPathFromWide(const std::wstring& widePath);

}  // namespace brenx::platform
