#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/fuzz_kit.h"
#include "support/safe_format.h"

// The formatter over any format and any arguments: it never fails, and a
// format without a directive comes back as it is. Parts: the format, then
// one part per argument, whose first byte chooses its kind.
namespace {

using brenx::support::FormatArg;

template <typename T>
T ValueOf(const std::string& part) {
    T value{};
    std::memcpy(&value, part.data() + 1, std::min(sizeof value, part.size() - 1));
    return value;
}

FormatArg ArgumentOf(const std::string& part) {
    if (part.empty()) return FormatArg("");
    switch (static_cast<unsigned char>(part[0]) % 6) {
        case 0:
            return FormatArg(ValueOf<int>(part));
        case 1:
            return FormatArg(ValueOf<unsigned>(part));
        case 2:
            return FormatArg(ValueOf<long long>(part));
        case 3:
            return FormatArg(ValueOf<unsigned long long>(part));
        case 4:
            return FormatArg(ValueOf<double>(part));
        default:
            return FormatArg(std::string_view(part).substr(1));
    }
}

std::string Format(const std::string& format, const std::vector<std::string>& parts) {
    std::vector<FormatArg> args;
    for (const std::string& part : parts)
        args.push_back(ArgumentOf(part));
    switch (args.size()) {
        case 0:
            return brenx::support::SafeFormat(format);
        case 1:
            return brenx::support::SafeFormat(format, {args[0]});
        case 2:
            return brenx::support::SafeFormat(format, {args[0], args[1]});
        case 3:
            return brenx::support::SafeFormat(format, {args[0], args[1], args[2]});
        default:
            return brenx::support::SafeFormat(format, {args[0], args[1], args[2], args[3]});
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const brenx::fuzz::Parts parts(data, size);
    const std::string format = parts.Part(0);
    std::vector<std::string> arguments;
    for (std::size_t i = 1; i < parts.Count() && i <= 4; ++i)
        arguments.push_back(parts.Part(i));
    const std::string text = Format(format, arguments);
    if (format.find('%') == std::string::npos) BRENX_FUZZ_CHECK(text == format);
    return 0;
}
