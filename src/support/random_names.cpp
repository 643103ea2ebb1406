#include "support/random_names.h"

namespace brenx::support {

std::uint32_t RandomNames::Draw(std::uint32_t n) {
    seed_ = seed_ * 134775813u + 1u;  // wraps modulo 2^32
    return static_cast<std::uint32_t>((std::uint64_t{n} * seed_) >> 32);
}

std::string RandomNames::RandomLetter() {
    return std::string(1, static_cast<char>('a' + Draw(26)));
}

std::string RandomNames::RandomName() {
    std::string name;
    for (int i = 0; i < 4; ++i)
        name += RandomLetter();
    return name;
}

}  // namespace brenx::support
