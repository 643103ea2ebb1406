#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// What the fuzz targets share. A target is one LLVMFuzzerTestOneInput; it
// runs under libFuzzer (./dev fuzz) and, over its corpus and every input that
// once failed, under the plain replay driver in every test run.
namespace brenx::fuzz {

// Stops the run when a property that must hold does not: libFuzzer keeps the
// input, and the replay driver fails.
[[noreturn]] inline void CheckFailed(const char* what, const char* file, int line) {
    std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", what, file, line);
    std::abort();
}

#define BRENX_FUZZ_CHECK(condition) \
    ((condition) ? (void)0 : ::brenx::fuzz::CheckFailed(#condition, __FILE__, __LINE__))

// The input as text, cut into parts at zero bytes; a part that is not there
// is empty.
class Parts {
  public:
    Parts(const std::uint8_t* data, std::size_t size)
        : text_(reinterpret_cast<const char*>(data), size) {
        std::size_t start = 0;
        for (std::size_t zero; (zero = text_.find('\0', start)) != std::string_view::npos;
             start = zero + 1) {
            parts_.push_back(text_.substr(start, zero - start));
        }
        parts_.push_back(text_.substr(start));
    }

    std::string_view Whole() const { return text_; }
    std::string Part(std::size_t index) const {
        return index < parts_.size() ? std::string(parts_[index]) : std::string();
    }
    std::size_t Count() const { return parts_.size(); }

  private:
    std::string_view text_;
    std::vector<std::string_view> parts_;
};

}  // namespace brenx::fuzz
