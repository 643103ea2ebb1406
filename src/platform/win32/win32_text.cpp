#include "platform/win32/win32_text.h"

#include <windows.h>

#include <climits>

namespace brenx::platform {
namespace {

constexpr wchar_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

struct Decoded {
    char32_t value = 0;
    std::size_t length = 0;  // 0: the first byte starts no character
};

// The character at the start of the text. A surrogate's three-byte form
// counts as a character; overlong forms and values past U+10FFFF do not.
Decoded DecodeOne(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) return {lead, 1};
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1Fu, minimum = 0x80;
    } else if ((lead & 0xF0u) == 0xE0) {
        length = 3, value = lead & 0x0Fu, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07u, minimum = 0x10000;
    } else {
        return {};
    }
    if (text.size() < length) return {};
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0u) != 0x80) return {};
        value = (value << 6) | (next & 0x3Fu);
    }
    if (value < minimum || value > 0x10FFFF) return {};
    return {value, length};
}

void AppendUtf16(std::wstring& wide, char32_t value) {
    if (value < 0x10000) {
        wide += static_cast<wchar_t>(value);
        return;
    }
    value -= 0x10000;
    wide += static_cast<wchar_t>(0xD800 + (value >> 10));
    wide += static_cast<wchar_t>(0xDC00 + (value & 0x3FF));
}

void AppendUtf8(std::string& utf8, char32_t value) {
    if (value < 0x80) {
        utf8 += static_cast<char>(value);
    } else if (value < 0x800) {
        utf8 += static_cast<char>(0xC0 | (value >> 6));
        utf8 += static_cast<char>(0x80 | (value & 0x3F));
    } else if (value < 0x10000) {
        utf8 += static_cast<char>(0xE0 | (value >> 12));
        utf8 += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (value & 0x3F));
    } else {
        utf8 += static_cast<char>(0xF0 | (value >> 18));
        utf8 += static_cast<char>(0x80 | ((value >> 12) & 0x3F));
        utf8 += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (value & 0x3F));
    }
}

// What the host refuses to convert: lone surrogates and bytes that start no
// character. The surrogates are taken; the bytes are replaced, or refused
// when `strict`.
bool DecodeByHand(std::string_view utf8, bool strict, std::wstring& wide) {
    wide.clear();
    wide.reserve(utf8.size());
    while (!utf8.empty()) {
        Decoded decoded = DecodeOne(utf8);
        // A low surrogate's form right after a lone high one would make a
        // pair, which Utf8FromWide writes in four bytes: this is no name's.
        if (decoded.length != 0 && IsLowSurrogate(decoded.value) && !wide.empty() &&
            IsHighSurrogate(wide.back())) {
            decoded.length = 0;
        }
        if (decoded.length == 0) {
            if (strict) {
                wide.clear();
                return false;
            }
            wide += kReplacement;
            utf8.remove_prefix(1);
            continue;
        }
        AppendUtf16(wide, decoded.value);
        utf8.remove_prefix(decoded.length);
    }
    return true;
}

// The host's conversion, which refuses anything but well-formed UTF-8.
bool HostWideFromUtf8(std::string_view utf8, std::wstring& wide) {
    if (utf8.size() > INT_MAX) return false;
    const int size = static_cast<int>(utf8.size());
    const int length =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
    if (length <= 0) return false;
    wide.resize(static_cast<std::size_t>(length));
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(),
                               length) == length;
}

bool HostUtf8FromWide(std::wstring_view wide, std::string& utf8) {
    if (wide.size() > INT_MAX) return false;
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), size,
                                           nullptr, 0, nullptr, nullptr);
    if (length <= 0) return false;
    utf8.resize(static_cast<std::size_t>(length));
    return WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), size, utf8.data(),
                               length, nullptr, nullptr) == length;
}

}  // namespace

std::wstring WideFromUtf8(std::string_view utf8) {
    std::wstring wide;
    if (!utf8.empty() && !HostWideFromUtf8(utf8, wide)) DecodeByHand(utf8, false, wide);
    return wide;
}

bool WideFromUtf8(std::string_view utf8, std::wstring& wide) {
    wide.clear();
    if (utf8.empty() || HostWideFromUtf8(utf8, wide)) return true;
    return DecodeByHand(utf8, true, wide);
}

std::string Utf8FromWide(std::wstring_view wide) {
    std::string utf8;
    if (wide.empty() || HostUtf8FromWide(wide, utf8)) return utf8;
    utf8.clear();
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const char32_t unit = wide[i];
        if (IsHighSurrogate(unit) && i + 1 < wide.size() && IsLowSurrogate(wide[i + 1])) {
            AppendUtf8(utf8, 0x10000 + ((unit - 0xD800) << 10) + (wide[i + 1] - 0xDC00));
            ++i;
        } else {
            AppendUtf8(utf8, unit);
        }
    }
    return utf8;
}

}  // namespace brenx::platform
