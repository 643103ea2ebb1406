#include "platform/wildcard.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "support/ascii_case.h"
#include "support/utf8.h"

namespace brenx::platform {

namespace {

// Pattern elements after the search's own rewriting of the wildcards.
enum class Kind { Literal, Star, DosStar, DosQuestion, DosDot };

struct Element {
    Kind kind;
    std::string_view text;  // the character, for literals
};

std::vector<std::string_view> Characters(std::string_view text) {
    std::vector<std::string_view> characters;
    while (!text.empty()) {
        const std::size_t length = std::max<std::size_t>(1, support::Utf8PrefixBytes(text, 1));
        characters.push_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return characters;
}

std::vector<Element> Rewrite(std::string_view pattern) {
    if (pattern == "*.*") return {{Kind::Star, {}}};
    const std::vector<std::string_view> chars = Characters(pattern);
    std::vector<Element> elements;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const std::string_view next = i + 1 < chars.size() ? chars[i + 1] : std::string_view();
        if (chars[i] == "?") {
            elements.push_back({Kind::DosQuestion, {}});
        } else if (chars[i] == "*") {
            elements.push_back({next == "." ? Kind::DosStar : Kind::Star, {}});
        } else if (chars[i] == "." && (next.empty() || next == "*" || next == "?")) {
            elements.push_back({Kind::DosDot, {}});
        } else {
            elements.push_back({Kind::Literal, chars[i]});
        }
    }
    return elements;
}

// Matching by dynamic programming over (pattern element, name position):
// reachable[p][n] says whether the first p elements can match the first n
// characters. Patterns and names are short, so the table stays small.
class Matcher {
  public:
    Matcher(const std::vector<Element>& elements, const std::vector<std::string_view>& name)
        : elements_(elements),
          name_(name),
          width_(name.size() + 1),
          reachable_((elements.size() + 1) * width_, false) {
        lastDot_ = name.size();
        for (std::size_t i = 0; i < name.size(); ++i) {
            if (name[i] == ".") lastDot_ = i;
        }
    }

    bool Run() {
        Set(0, 0);
        for (std::size_t p = 0; p < elements_.size(); ++p) {
            for (std::size_t n = 0; n <= name_.size(); ++n) {
                if (Get(p, n)) Advance(p, n);
            }
        }
        return Get(elements_.size(), name_.size());
    }

  private:
    void Advance(std::size_t p, std::size_t n) {
        const Element& e = elements_[p];
        const bool atEnd = n == name_.size();
        switch (e.kind) {
            case Kind::Literal:
                if (!atEnd && support::SameTextIgnoringAsciiCase(e.text, name_[n]))
                    Set(p + 1, n + 1);
                break;
            case Kind::Star:
                for (std::size_t m = n; m <= name_.size(); ++m)
                    Set(p + 1, m);
                break;
            case Kind::DosStar: {
                // Any run that does not take the name's last dot.
                const std::size_t limit =
                    lastDot_ < name_.size() && n <= lastDot_ ? lastDot_ : name_.size();
                for (std::size_t m = n; m <= limit; ++m)
                    Set(p + 1, m);
                break;
            }
            case Kind::DosQuestion:
                if (atEnd || name_[n] == ".") {
                    Set(p + 1, n);
                } else {
                    Set(p + 1, n + 1);
                }
                break;
            case Kind::DosDot:
                if (atEnd) {
                    Set(p + 1, n);
                } else if (name_[n] == ".") {
                    Set(p + 1, n + 1);
                }
                break;
        }
    }

    bool Get(std::size_t p, std::size_t n) const { return reachable_[p * width_ + n]; }
    void Set(std::size_t p, std::size_t n) { reachable_[p * width_ + n] = true; }

    const std::vector<Element>& elements_;
    const std::vector<std::string_view>& name_;
    std::size_t width_;
    std::size_t lastDot_;
    std::vector<bool> reachable_;
};

}  // namespace

bool MatchesWildcard(std::string_view name, std::string_view pattern) {
    // The walks' own pattern, met by every name of every directory.
    if (pattern == "*" || pattern == "*.*") return true;
    const std::vector<Element> elements = Rewrite(pattern);
    const std::vector<std::string_view> characters = Characters(name);
    return Matcher(elements, characters).Run();
}

}  // namespace brenx::platform
