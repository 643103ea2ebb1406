#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace brenx::run {

// The status lines of the main window. The engine keeps their text, because
// it reads it back (the CRC log copy writes its progress after it), and sends
// it whole to the board. The memo is rewritten, never appended to.
//
// A copy rewrites it twice for every file, so a rewrite keeps the storage the
// text had and may take lines from the text it replaces.
class StatusMemo {
  public:
    // Replaces the text; lines are separated by CR LF.
    void SetText(std::string text) { text_ = std::move(text); }
    // Replaces the text by these lines, separated by CR LF. A line may be
    // one of the memo's own (Line).
    void SetLines(std::initializer_list<std::string_view> lines);
    // The same, each line given as the pieces it is made of.
    void SetLinePieces(std::initializer_list<std::initializer_list<std::string_view>> lines);
    const std::string& Text() const { return text_; }
    // The line of that index (from 0) as it stands in the text, valid until
    // the text changes; empty when there is none.
    std::string_view Line(std::size_t index) const;

  private:
    std::string text_;
    std::string next_;  // the text being made, which then changes places with it
};

}  // namespace brenx::run
