#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Host names are UTF-8 byte strings. Every routine that cuts a name to a number
// of characters counts with these, so that a cut never splits a multi-byte
// character (which would leave an unreadable name on the destination).
// Bytes that are not valid UTF-8 count as one character each.
namespace brenx::support {

// The number of characters in the text.
std::size_t Utf8Length(std::string_view text);

// The byte length of the first `characters` characters (all of it when shorter).
std::size_t Utf8PrefixBytes(std::string_view text, std::size_t characters);

// The first `characters` characters of the text.
std::string Utf8Prefix(std::string_view text, std::size_t characters);

// The text without its last `characters` characters (empty when it has fewer).
std::string Utf8DropLast(std::string_view text, std::size_t characters);

}  // namespace brenx::support
