#include "options/spec_file_reader.h"

#include "options/line_end_stream.h"
#include "options/log_lines.h"
#include "options/spec_file_line.h"
#include "platform/program_directory.h"
#include "support/date_stamp.h"
#include "support/path_names.h"
#include "support/read_ahead_stream.h"
#include "support/safe_format.h"
#include "support/text_file.h"
#include "support/text_primitives.h"

namespace brenx::options {

namespace {

bool IsDefaultPath(const std::string& path) {
    return path.size() == 7 && support::KeyPosition("default", path) == 1;
}

bool IsBlankLine(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

// An open spec file, read from a position on.
struct OpenList {
    std::unique_ptr<platform::FileHandle> file;
    std::unique_ptr<support::ReadAheadStream> readAhead;
    std::unique_ptr<LineEndStream> stream;

    bool Open(platform::FileSystem& fileSystem, const std::string& name) {
        file = fileSystem.Open(name, platform::Access::Read, platform::Disposition::OpenExisting);
        if (!file) return false;
        readAhead = std::make_unique<support::ReadAheadStream>(*file);
        stream = std::make_unique<LineEndStream>(*readAhead);
        return true;
    }
    void Close() {
        stream.reset();
        readAhead.reset();
        if (file) file->Close();
        file.reset();
    }
};

}  // namespace

bool SpecFileReader::StartSpecJobs() {
    destinationBase_ = options_.Settings().destination;
    return OpenSpecFile();
}

bool SpecFileReader::OpenSpecFile() {
    const std::string& source = options_.Settings().source;
    if (!options_.SpecMode() || source.empty()) return false;
    lineNumber_ = 0;
    std::string name = source.substr(1);
    support::StripTrailingBackslash(name);
    platform::ResolveInCurrentDirectory(fileSystem_, name);
    specFileName_ = name;

    OpenList list;
    if (!list.Open(fileSystem_, name)) {
        op_.ErrorMessage(
            support::SafeFormat("Couldn't open specification file %s for read", {name}));
        active_ = false;
        return false;
    }
    std::string header;
    for (int i = 0; i < 3; ++i) {
        header += kLogSeparator;
        header += support::kLineBreak;
    }
    header += support::SafeFormat("brenx specification file %s", {name});
    header += support::kLineBreak;
    log_.Write(header);
    list.Close();
    resumePosition_ = 0;
    active_ = true;
    return true;
}

SpecStep SpecFileReader::Fail(int exitCode, std::string failureReason) {
    active_ = false;
    SpecStep step;
    step.kind = SpecStep::Kind::kFailed;
    step.exitCode = exitCode;
    step.failureReason = std::move(failureReason);
    return step;
}

SpecStep SpecFileReader::NextSpecJob() {
    if (!active_) return {};
    OpenList list;
    if (!list.Open(fileSystem_, specFileName_)) return {};
    if (!list.stream->Seek(resumePosition_)) {
        list.Close();
        active_ = false;
        return {};
    }
    int nestedFiles = 0;
    for (;;) {
        std::string line;
        const bool more = support::ReadSpecLine(*list.stream, line, options_.Settings().evarize,
                                                options_.Environment());
        if (!more && line.empty()) break;
        ++lineNumber_;
        const LineResult result = Line(std::move(line));
        if (result == LineResult::kJob) {
            resumePosition_ = support::FilePosition(*list.stream);
            list.Close();
            return {SpecStep::Kind::kJob, 0, {}};
        }
        if (result == LineResult::kRefused) {
            list.Close();
            return Fail(refusedExitCode_);
        }
        if (result == LineResult::kNested) {
            list.Close();
            const std::string failure =
                support::SafeFormat("%s failure with %s", {"@", options_.Settings().source});
            if (++nestedFiles > kMaxNestedFiles) {
                op_.ErrorMessage(support::SafeFormat(
                    "Specification file %s leads through more than %d \"@\" files without a "
                    "job; does the list name itself?",
                    {specFileName_, kMaxNestedFiles}));
                return Fail(kExitSpecNestedOpen, failure);
            }
            if (!OpenSpecFile()) return Fail(kExitSpecNestedOpen, failure);
            if (!list.Open(fileSystem_, specFileName_)) return {};
            continue;
        }
        if (!more) break;
    }
    list.Close();
    active_ = false;
    return {};
}

SpecFileReader::LineResult SpecFileReader::Line(std::string line) {
    currentLine_ = line;
    if (!support::CleanSpecLine(line) || IsBlankLine(line)) return LineResult::kNext;
    JobSettings& settings = options_.Settings();
    if (line.front() == '@') {
        settings.source = "@" + NestedFileName(line.substr(1));
        return LineResult::kNested;
    }
    std::size_t bar = line.find('|');
    if (bar == std::string::npos) {
        if (!AskMissingBar()) {
            refusedExitCode_ = kExitSpecMissingBar;
            return LineResult::kRefused;
        }
        line += '|';
        bar = line.size() - 1;
    }
    std::string path = line.substr(0, bar);
    support::Unquote(path);
    const std::string letters = line.substr(bar + 1);

    defaultFlags_ &= static_cast<std::uint8_t>(~kSpecDestination);
    if (IsDefaultPath(path)) {
        defaultFlags_ = ParseSpecLetters(letters, 0);
        if ((defaultFlags_ & kSpecBadLetter) && !AskBadLetter()) {
            refusedExitCode_ = kExitSpecBadDefaultLetter;
            return LineResult::kRefused;
        }
        return LineResult::kNext;
    }
    const std::uint8_t flags = ParseSpecLetters(letters, defaultFlags_);
    if ((flags & kSpecBadLetter) && !AskBadLetter()) {
        refusedExitCode_ = kExitSpecBadLetter;
        return LineResult::kRefused;
    }
    if (flags & kSpecDestination) {
        std::string base = support::WithTrailingBackslash(path);
        support::ExpandDateStamp(base, options_.StartStamp());
        destinationBase_ = base;
        settings.dst_root = base;
    } else if (flags & kSpecDestinationKey) {
        settings.dstkey = path;
    } else if (flags & kSpecSourceKey) {
        settings.srckey = path;
    } else {
        TakeJob(path, flags);
        return LineResult::kJob;
    }
    return LineResult::kNext;
}

void SpecFileReader::TakeJob(const std::string& path, std::uint8_t flags) {
    JobSettings& settings = options_.Settings();
    settings.recurse = (flags & kSpecRecurse) != 0;
    settings.arconly = (flags & kSpecArchiveOnly) != 0;
    settings.source = support::WithTrailingBackslash(path);
    // Only the base's "+" is the stamp's place: a "+" in the source's own
    // names (c:\c++\) must reach the destination unchanged.
    std::string base = destinationBase_;
    support::ExpandDateStamp(base, options_.StartStamp());
    support::StripTrailingBackslash(base);
    settings.destination = MapSpecDestination(
        base, settings.source, settings.network_directory_style, settings.dst_drive_dir);
}

std::string SpecFileReader::NestedFileName(const std::string& rest) const {
    std::string name = rest;
    support::ResolveBesideFile(specFileName_, name);
    return name;
}

bool SpecFileReader::AskMissingBar() {
    const std::string subject = support::SafeFormat(
        "missing %s on line %d of @%s: \"%s\"", {"|", lineNumber_, specFileName_, currentLine_});
    op_.SetClipboardText(subject);
    return op_.ConfirmMessage(
        support::SafeFormat("%s; OK to pretend it's there anyway? (I clipped it)", {subject}), true,
        QuestionId::Other);
}

bool SpecFileReader::AskBadLetter() {
    const std::string subject = support::SafeFormat("bad option on line %d of @%s: \"%s\"",
                                                    {lineNumber_, specFileName_, currentLine_});
    op_.SetClipboardText(subject);
    return op_.ConfirmMessage(support::SafeFormat("%s; ok to ignore? (I clipped it)", {subject}),
                              true, QuestionId::Other);
}

}  // namespace brenx::options
