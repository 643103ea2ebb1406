#include "options/spec_file_reader.h"

#include "options/line_end_stream.h"
#include "options/log_lines.h"
#include "options/spec_file_line.h"
#include "platform/program_directory.h"
#include "support/ascii_case.h"
#include "support/date_stamp.h"
#include "support/path_names.h"
#include "support/read_ahead_stream.h"
#include "support/safe_format.h"
#include "support/text_file.h"
#include "support/text_primitives.h"

namespace brenx::options {

namespace {

bool IsDefaultPath(const std::string& path) {
    return support::SameTextIgnoringAsciiCase(path, "default");
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
    chain_.clear();
    return OpenSpecFile();
}

std::string SpecFileReader::FileNameOfSource() const {
    std::string name = options_.Settings().source.substr(1);
    support::StripTrailingBackslash(name);
    platform::ResolveInCurrentDirectory(fileSystem_, name);
    return name;
}

bool SpecFileReader::OpenSpecFile() {
    const std::string& source = options_.Settings().source;
    if (!options_.SpecMode() || source.empty()) return false;
    lineNumber_ = 0;
    const std::string name = FileNameOfSource();
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
    chain_.push_back(name);
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

SpecStep SpecFileReader::OpenFailed() {
    return ListFailed(specFileName_);
}

SpecStep SpecFileReader::ListFailed(const std::string& name) {
    return Fail(kExitSpecNestedOpen, support::SafeFormat("%s failure with %s", {"@", "@" + name}));
}

// Opens the "@" file that `source` now names, unless the chain already holds it.
bool SpecFileReader::EnterNestedFile() {
    const std::string nested = FileNameOfSource();
    for (const std::string& opened : chain_) {
        if (!fileSystem_.SameEntry(opened, nested)) continue;
        op_.ErrorMessage(support::SafeFormat(
            "Specification file %s names @%s, which this list has already opened; it would go "
            "round for ever",
            {specFileName_, nested}));
        specFileName_ = nested;
        return false;
    }
    return OpenSpecFile();
}

SpecStep SpecFileReader::NextSpecJob() {
    if (!active_) return {};
    OpenList list;
    // The list is opened again for every job: a list that has gone since
    // (media taken out) must not end as if it had no more jobs.
    if (!list.Open(fileSystem_, specFileName_) || !list.stream->Seek(resumePosition_)) {
        list.Close();
        op_.ErrorMessage(
            support::SafeFormat("Couldn't open specification file %s for read", {specFileName_}));
        return OpenFailed();
    }
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
            return Fail(refusedExitCode_, refusedQuestion_);
        }
        if (result == LineResult::kNested) {
            list.Close();
            if (!EnterNestedFile() || !list.Open(fileSystem_, specFileName_)) return OpenFailed();
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
    return Ask(support::SafeFormat("missing %s on line %d of @%s: \"%s\"",
                                   {"|", lineNumber_, specFileName_, currentLine_}),
               "%s; OK to pretend it's there anyway? (I clipped it)");
}

bool SpecFileReader::AskBadLetter() {
    return Ask(support::SafeFormat("bad option on line %d of @%s: \"%s\"",
                                   {lineNumber_, specFileName_, currentLine_}),
               "%s; ok to ignore? (I clipped it)");
}

// Puts the subject on the clipboard and asks; a refusal keeps the subject as
// the reason the list failed.
bool SpecFileReader::Ask(const std::string& subject, const char* question) {
    op_.SetClipboardText(subject);
    if (op_.ConfirmMessage(support::SafeFormat(question, {subject}), true, QuestionId::Other)) {
        return true;
    }
    refusedQuestion_ = subject;
    return false;
}

}  // namespace brenx::options
