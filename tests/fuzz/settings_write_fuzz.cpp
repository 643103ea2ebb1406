#include <cstdint>
#include <string>

#include "fuzz/fuzz_kit.h"
#include "options/ini_text.h"
#include "support/utf8.h"

// Writing a key into any settings text: the key reads back as written, and
// every other key keeps its value. Parts: the text, the section, the key, the
// value, then another section and key that must not change.
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\x1A';
}

// A name or value that reads back exactly as written: no blanks around it,
// and not a quoted one (its quotes would be taken off).
bool ReadsBackAsWritten(const std::string& text) {
    if (text.empty()) return true;
    if (IsBlank(text.front()) || IsBlank(text.back())) return false;
    return !(text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
             text.back() == text.front());
}

bool SameAscii(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const brenx::fuzz::Parts parts(data, size);
    brenx::options::IniText ini(parts.Part(0));
    const std::string section = parts.Part(1);
    const std::string key = parts.Part(2);
    const std::string value = parts.Part(3);
    const std::string otherSection = parts.Part(4);
    const std::string otherKey = parts.Part(5);
    const auto otherBefore = ini.Find(otherSection, otherKey);
    const std::string textBefore = ini.Text();

    if (!ini.Set(section, key, value)) {
        BRENX_FUZZ_CHECK(ini.Text() == textBefore);
        return 0;
    }
    if (ReadsBackAsWritten(section) && ReadsBackAsWritten(value)) {
        BRENX_FUZZ_CHECK(
            ini.Find(section, key) ==
            brenx::support::Utf8Prefix(value, brenx::options::IniText::kValueCharacters));
    }
    if (!(SameAscii(otherSection, section) && SameAscii(otherKey, key))) {
        BRENX_FUZZ_CHECK(ini.Find(otherSection, otherKey) == otherBefore);
    }
    return 0;
}
