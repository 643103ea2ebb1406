#pragma once

#include <string>
#include <string_view>

// The program's strings are UTF-8; the host's calls take UTF-16. Windows
// names need not be well-formed UTF-16 (NTFS keeps a lone surrogate), so a
// lone surrogate travels in UTF-8 in its three-byte form (as WTF-8 does) and
// comes back as the same surrogate: every name a search lists opens again.
namespace brenx::platform {

// The UTF-16 of UTF-8 text. A byte that starts no character (and no lone
// surrogate's three-byte form) becomes U+FFFD, so it shows but is not lost
// silently: fit for text that is shown, not for names.
std::wstring WideFromUtf8(std::string_view utf8);

// The same for names and command lines, where U+FFFD could name another
// file: false, with `wide` empty, when the text is not UTF-8 throughout.
bool WideFromUtf8(std::string_view utf8, std::wstring& wide);

// The UTF-8 of UTF-16 text; a lone surrogate in its three-byte form.
std::string Utf8FromWide(std::wstring_view wide);

}  // namespace brenx::platform
