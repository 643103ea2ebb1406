#include "console/answers.h"

#include <charconv>

#include "support/ascii_case.h"

namespace brenx::console {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool Is(const std::string& answer, std::string_view letter, std::string_view word) {
    return answer == letter || answer == word;
}

}  // namespace

std::string TrimBlanks(std::string_view line) {
    std::size_t begin = 0;
    std::size_t end = line.size();
    while (begin < end && IsBlank(line[begin]))
        ++begin;
    while (end > begin && IsBlank(line[end - 1]))
        --end;
    return std::string(line.substr(begin, end - begin));
}

std::string NormalizeAnswer(std::string_view line) {
    return support::AsciiLower(TrimBlanks(line));
}

ConfirmReply ParseConfirmReply(std::string_view line) {
    const std::string answer = NormalizeAnswer(line);
    if (answer.empty() || Is(answer, "y", "yes") || answer == "ok") return ConfirmReply::Ok;
    if (Is(answer, "n", "no")) return ConfirmReply::No;
    return ConfirmReply::Unknown;
}

MediaReply ParseMediaReply(std::string_view line, const run::MediaQuestion& question) {
    const std::string answer = NormalizeAnswer(line);
    if (answer.empty() || Is(answer, "y", "yes")) return MediaReply::TryAgain;
    if (Is(answer, "n", "no")) return MediaReply::GiveUp;
    if (Is(answer, "c", "clip")) return MediaReply::Clip;
    if (question.showSkip && Is(answer, "s", "skip")) return MediaReply::Skip;
    if (question.showMinuteWait && Is(answer, "w", "wait")) return MediaReply::MinuteWait;
    if (question.showFormat && Is(answer, "f", "format")) return MediaReply::Format;
    if (question.showFixSource && Is(answer, "x", "fix")) return MediaReply::FixSource;
    return MediaReply::Unknown;
}

DriveCommand ParseDriveCommand(std::string_view line) {
    using Kind = DriveCommand::Kind;
    const std::string answer = NormalizeAnswer(line);
    if (answer.empty() || Is(answer, "o", "ok")) return {Kind::Ok, 0};
    if (answer == "+") return {Kind::Up, 0};
    if (answer == "-") return {Kind::Down, 0};
    if (Is(answer, "t", "this dir")) return {Kind::ThisDir, 0};
    if (Is(answer, "n", "don't") || answer == "dont") return {Kind::Dont, 0};
    if (answer.size() == 2 && answer[1] == ':' && answer[0] >= 'a' && answer[0] <= 'z') {
        return {Kind::Letter, answer[0]};
    }
    return {Kind::Unknown, 0};
}

PickReply ParsePickReply(std::string_view line, std::size_t count) {
    const std::string answer = NormalizeAnswer(line);
    if (Is(answer, "c", "cancel")) return {PickReply::Kind::Cancel, 0};
    std::size_t number = 0;
    const char* end = answer.data() + answer.size();
    const auto [stop, error] = std::from_chars(answer.data(), end, number);
    if (answer.empty() || error != std::errc() || stop != end || number < 1 || number > count) {
        return {PickReply::Kind::Unknown, 0};
    }
    return {PickReply::Kind::Chosen, number - 1};
}

}  // namespace brenx::console
