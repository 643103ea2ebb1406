#include <cstdint>
#include <string>

#include "fuzz/fuzz_kit.h"
#include "options/ini_text.h"
#include "support/utf8.h"

// The settings file as the option load reads it: any text, asked for the
// program's own keys and for a section and key that the input names.
namespace {

void Read(const brenx::options::IniText& ini, const std::string& section, const std::string& key) {
    const auto value = ini.Find(section, key);
    if (!value) return;
    BRENX_FUZZ_CHECK(brenx::support::Utf8Length(*value) <=
                     brenx::options::IniText::kValueCharacters);
    (void)brenx::options::ParseIniInteger(*value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const brenx::fuzz::Parts parts(data, size);
    const brenx::options::IniText ini(parts.Part(0));
    for (const char* key : {"recurse", "destination", "log", "NotCDR", "RandomWait"}) {
        Read(ini, "brenx", key);
    }
    Read(ini, parts.Part(1), parts.Part(2));
    (void)brenx::options::ParseIniInteger(parts.Part(1));
    return 0;
}
