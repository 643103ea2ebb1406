#include "platform/command_line.h"

namespace brenx::platform {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

void SkipBlanks(std::string_view text, std::size_t& at) {
    while (at < text.size() && IsBlank(text[at]))
        ++at;
}

std::string ProgramName(std::string_view text, std::size_t& at) {
    std::string name;
    bool quoted = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && IsBlank(c)) {
            break;
        } else {
            name += c;
        }
    }
    return name;
}

bool EndsArgument(std::string_view text, std::size_t at) {
    return at >= text.size() || IsBlank(text[at]);
}

std::string Argument(std::string_view text, std::size_t& at) {
    std::string argument;
    bool quoted = false;
    while (at < text.size() && (quoted || !IsBlank(text[at]))) {
        const char c = text[at];
        if (c == '\\') {
            std::size_t run = 0;
            while (at + run < text.size() && text[at + run] == '\\')
                ++run;
            const std::size_t after = at + run;
            if (after >= text.size() || text[after] != '"') {
                argument.append(run, '\\');
                at = after;
            } else if (quoted && run % 2 == 1 && EndsArgument(text, after + 1) &&
                       argument.find('"') == std::string::npos) {
                argument.append(run, '\\');
                quoted = false;
                at = after + 1;
            } else {
                argument.append(run / 2, '\\');
                if (run % 2 == 1) argument += '"';
                if (run % 2 == 0) quoted = !quoted;
                at = after + 1;
            }
        } else if (c == '"') {
            if (quoted && at + 1 < text.size() && text[at + 1] == '"') {
                argument += '"';
                at += 2;
            } else {
                quoted = !quoted;
                ++at;
            }
        } else {
            argument += c;
            ++at;
        }
    }
    return argument;
}

}  // namespace

std::vector<std::string> SplitWindowsCommandLine(std::string_view commandLine) {
    std::vector<std::string> words;
    std::size_t at = 0;
    SkipBlanks(commandLine, at);
    if (at >= commandLine.size()) return words;
    words.push_back(ProgramName(commandLine, at));
    for (SkipBlanks(commandLine, at); at < commandLine.size(); SkipBlanks(commandLine, at)) {
        words.push_back(Argument(commandLine, at));
    }
    return words;
}

}  // namespace brenx::platform
