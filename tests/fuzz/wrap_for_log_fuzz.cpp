#include <cstdint>
#include <string>

#include "fuzz/fuzz_kit.h"
#include "support/log_wrap.h"
#include "support/utf8.h"

// The word wrap of long log entries over any text: every line ends with a
// line break, and a line that holds a space is at most 78 characters wide
// (only a single word longer than that stands alone on a wider line).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string wrapped = brenx::support::WrapForLog(text);
    BRENX_FUZZ_CHECK(wrapped.empty() == text.empty());
    if (text.empty()) return 0;
    BRENX_FUZZ_CHECK(wrapped.ends_with("\r\n"));
    // The text's own line breaks would blur where the wrap put its own.
    if (text.find_first_of("\r\n") != std::string::npos) return 0;
    std::size_t start = 0;
    for (std::size_t end; (end = wrapped.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        const std::string_view line(wrapped.data() + start, end - start);
        if (line.find(' ') != std::string_view::npos) {
            BRENX_FUZZ_CHECK(brenx::support::Utf8Length(line) <= 78);
        }
    }
    return 0;
}
