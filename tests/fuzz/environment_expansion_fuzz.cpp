#include <cstdint>
#include <string>

#include "fuzz/fuzz_kit.h"
#include "support/environment_references.h"

// %NAME% references in any text, with variables that are set, empty or
// unset, kept or dropped: the expansion never fails, and a text without a
// "%" comes back as it is.
namespace {

// Names that begin with an upper-case letter are set (to a value that holds
// a "%" too); the others are unset.
std::string Lookup(const std::string& name) {
    if (name.empty() || name[0] < 'A' || name[0] > 'Z') return {};
    return "<" + name + "%>";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool keepUnset = data[0] & 1;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string expanded =
        brenx::support::ExpandEnvironmentReferences(text, keepUnset, Lookup);
    if (text.find('%') == std::string::npos) BRENX_FUZZ_CHECK(expanded == text);
    std::string evarized = text;
    brenx::support::ExpandIfEvarize(evarized, true, Lookup);
    BRENX_FUZZ_CHECK(evarized == brenx::support::ExpandEnvironmentReferences(text, false, Lookup));
    return 0;
}
