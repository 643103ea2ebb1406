#include "options/ini_text.h"

#include <limits>
#include <vector>

#include "support/ascii_case.h"
#include "support/utf8.h"

namespace brenx::options {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\x1A';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

enum class LineKind { kOther, kSection, kKey };

// One line of the text: [begin, end) is its content, `next` the start of the
// following line (after the line end).
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
    LineKind kind = LineKind::kOther;
    std::string_view name;   // the section name or the key
    std::string_view value;  // the value of a key line
};

// A line ends at LF, CR LF or a lone CR: a file saved with CR line ends
// (an old Mac editor) is as much a settings file as any other.
Line Classify(std::string_view text, std::size_t begin) {
    Line line;
    line.begin = begin;
    const std::size_t end = text.find_first_of("\r\n", begin);
    line.end = (end == std::string_view::npos) ? text.size() : end;
    line.next = line.end;
    if (line.next < text.size()) {
        const bool crLf =
            text[line.next] == '\r' && line.next + 1 < text.size() && text[line.next + 1] == '\n';
        line.next += crLf ? 2 : 1;
    }

    const std::string_view content = Trim(text.substr(begin, line.end - begin));
    if (content.empty() || content.front() == ';') return line;
    if (content.front() == '[') {
        const std::size_t close = content.find(']');
        if (close != std::string_view::npos) {
            line.kind = LineKind::kSection;
            line.name = Trim(content.substr(1, close - 1));
            return line;
        }
    }
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) return line;
    line.kind = LineKind::kKey;
    line.name = Trim(content.substr(0, equals));
    line.value = Trim(content.substr(equals + 1));
    return line;
}

std::size_t FirstLineStart(std::string_view text) {
    return text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
}

std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    for (std::size_t at = FirstLineStart(text); at < text.size();) {
        lines.push_back(Classify(text, at));
        at = lines.back().next;
    }
    return lines;
}

std::string_view WithoutQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// The index of the first key line that answers section/key, or -1.
long FindKeyLine(const std::vector<Line>& lines, std::string_view section, std::string_view key) {
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == LineKind::kSection) {
            inSection = support::SameTextIgnoringAsciiCase(lines[i].name, section);
        } else if (inSection && lines[i].kind == LineKind::kKey &&
                   support::SameTextIgnoringAsciiCase(lines[i].name, key)) {
            return static_cast<long>(i);
        }
    }
    return -1;
}

// The line end of the text's first line; CR LF for a text without one.
std::string LineEndOf(std::string_view text) {
    const std::size_t end = text.find_first_of("\r\n");
    if (end == std::string_view::npos) return "\r\n";
    if (text[end] == '\n') return "\n";
    return end + 1 < text.size() && text[end + 1] != '\n' ? "\r" : "\r\n";
}

// Ends the text's last line when it has no line end. A lone CR at the end of
// a text whose lines end in CR LF is a line end cut in two: it is made whole.
void EndLastLine(std::string& text, const std::string& lineEnd) {
    if (text.empty() || text.back() == '\n') return;
    if (text.back() == '\r') {
        if (lineEnd != "\r") text += '\n';
    } else {
        text += lineEnd;
    }
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != text.npos;
}

bool CanWrite(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view trimmedKey = Trim(key);
    if (trimmedKey.empty() || trimmedKey != key) return false;
    if (key.find('=') != key.npos || key.front() == '[' || key.front() == ';') return false;
    // Blanks around a section name are not part of it when it is read back:
    // the key would land in a section of another name.
    if (section.find(']') != section.npos || Trim(section) != section) return false;
    return !HasLineBreak(section) && !HasLineBreak(key) && !HasLineBreak(value);
}

}  // namespace

std::optional<std::string> IniText::Find(std::string_view section, std::string_view key) const {
    const std::vector<Line> lines = SplitLines(text_);
    const long found = FindKeyLine(lines, section, key);
    if (found < 0) return std::nullopt;
    return support::Utf8Prefix(WithoutQuotes(lines[found].value), kValueCharacters);
}

bool IniText::HasSection(std::string_view section) const {
    for (const Line& line : SplitLines(text_)) {
        if (line.kind == LineKind::kSection &&
            support::SameTextIgnoringAsciiCase(line.name, section))
            return true;
    }
    return false;
}

bool IniText::Set(std::string_view section, std::string_view key, std::string_view value) {
    if (!CanWrite(section, key, value)) return false;
    const std::vector<Line> lines = SplitLines(text_);
    const long found = FindKeyLine(lines, section, key);
    if (found >= 0) {
        // Keep the indentation and the key as written; replace the rest.
        const Line& line = lines[found];
        const std::size_t keyStart = static_cast<std::size_t>(line.name.data() - text_.data());
        std::string replaced(line.name);
        replaced += '=';
        replaced += value;
        text_.replace(keyStart, line.end - keyStart, replaced);
        return true;
    }

    const std::string lineEnd = LineEndOf(text_);
    const std::string keyLine = std::string(key) + "=" + std::string(value) + lineEnd;
    // After the last non-blank line of the first matching section.
    long insertAfter = -1;
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == LineKind::kSection) {
            if (insertAfter >= 0) break;
            inSection = support::SameTextIgnoringAsciiCase(lines[i].name, section);
        }
        const bool blank =
            Trim(std::string_view(text_).substr(lines[i].begin, lines[i].end - lines[i].begin))
                .empty();
        if (inSection && !blank) insertAfter = static_cast<long>(i);
    }
    if (insertAfter >= 0) {
        const Line& line = lines[insertAfter];
        if (line.next == text_.size()) {
            EndLastLine(text_, lineEnd);
            text_ += keyLine;
        } else {
            text_.insert(line.next, keyLine);
        }
        return true;
    }

    EndLastLine(text_, lineEnd);
    text_ += "[" + std::string(section) + "]" + lineEnd + keyLine;
    return true;
}

TextKind KindOfText(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return TextKind::Utf16;
    return bytes.find('\0') == std::string_view::npos ? TextKind::Text : TextKind::NotText;
}

std::optional<std::int32_t> ParseIniInteger(std::string_view text) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.starts_with("$")) {
        base = 16;
        text.remove_prefix(1);
    }
    if (text.empty() || (base == 16 && text.size() > 8)) return std::nullopt;

    std::uint64_t magnitude = 0;
    for (char c : text) {
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit < 0) return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > 0xFFFFFFFFull) return std::nullopt;
    }
    if (base == 16) {
        const auto pattern = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
        return negative ? static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(pattern))
                        : pattern;
    }
    const std::uint64_t limit =
        negative ? std::uint64_t{1} << 31 : std::uint64_t{std::numeric_limits<std::int32_t>::max()};
    if (magnitude > limit) return std::nullopt;
    return negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude))
                    : static_cast<std::int32_t>(magnitude);
}

}  // namespace brenx::options
