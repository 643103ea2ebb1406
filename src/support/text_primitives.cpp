#include "support/text_primitives.h"

#include "support/ascii_case.h"
#include "support/utf8.h"

namespace brenx::support {

namespace {

constexpr std::size_t kSearchWindow = 255;

}  // namespace

std::string KeepRest(std::string_view text, std::size_t from) {
    if (from >= text.size()) return {};
    return Utf8Prefix(text.substr(from), kMaxKeptRest);
}

char CharAt(std::string_view text, std::size_t position) {
    if (position == 0 || position > text.size()) return '\0';
    return text[position - 1];
}

std::string LastCharText(std::string_view text) {
    return std::string(text.substr(Utf8DropLast(text, 1).size()));
}

std::size_t PosFrom(std::string_view pattern, std::size_t start, std::string_view text) {
    if (start == 0) start = 1;
    if (pattern.empty() || start > text.size()) return 0;
    const std::string_view rest = text.substr(start - 1);
    const std::string_view window = rest.substr(0, Utf8PrefixBytes(rest, kSearchWindow));
    const std::size_t found = window.find(pattern);
    return found == std::string_view::npos ? 0 : start + found;
}

std::size_t KeyPosition(std::string_view key, std::string_view text) {
    if (key.empty() || key.size() > text.size()) return 0;
    for (std::size_t at = 0; at + key.size() <= text.size(); ++at) {
        std::size_t i = 0;
        while (i < key.size() && AsciiLower(text[at + i]) == AsciiLower(key[i]))
            ++i;
        if (i == key.size()) return at + 1;
    }
    return 0;
}

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool TrimLeadingSpaces(std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first != std::string::npos && first > 0) text = KeepRest(text, first);
    return text.empty();
}

void StripComment(std::string& line) {
    const std::size_t semicolon = line.find(';');
    if (semicolon == std::string::npos) return;
    std::size_t end = semicolon;
    while (end > 0 && (line[end - 1] == ' ' || line[end - 1] == ';'))
        --end;
    line.erase(end);
}

bool CleanSpecLine(std::string& line) {
    StripComment(line);
    return !TrimLeadingSpaces(line);
}

void Unquote(std::string& text) {
    if (text.empty() || text.front() != '"' || text.back() != '"') return;
    text = text.size() == 1 ? std::string() : text.substr(1, text.size() - 2);
}

void Quote(std::string& text) {
    if (text.empty() || text.front() == '"' || text.back() == '"') return;
    text = '"' + text + '"';
}

}  // namespace brenx::support
