#pragma once

#include <cstdint>
#include <string>

namespace brenx::support {

// The run's source of random letters. It always starts from the same seed
// and is never seeded from the clock, so every run draws the same sequence
// (its first names are "aawf", "hrie", "jlcm"). One per run, owned by the
// run's state.
class RandomNames {
  public:
    // A number below `n` (0 when `n` is 0).
    std::uint32_t Draw(std::uint32_t n);
    // One lower-case letter, a to z.
    std::string RandomLetter();
    // Four letters in the order drawn.
    std::string RandomName();

  private:
    std::uint32_t seed_ = 0;
};

}  // namespace brenx::support
