#include "options/command_line.h"

#include "platform/file_queries.h"
#include "support/path_names.h"
#include "support/safe_format.h"
#include "support/text_primitives.h"

namespace brenx::options {

namespace {

bool HasAt(const std::string& text, std::size_t index, std::string_view word) {
    return text.compare(index, word.size(), word) == 0;
}

// Everything up to and including the last backslash or colon.
std::string DirectoryPart(const std::string& name) {
    const std::size_t end = name.find_last_of("\\:");
    return end == std::string::npos ? std::string() : name.substr(0, end + 1);
}

class Parser {
  public:
    Parser(CommandLine& result, platform::FileSystem& fileSystem, Operator& op)
        : result_(result),
          settings_(result.settings),
          marks_(result.marks),
          fileSystem_(fileSystem),
          op_(op) {}

    void Argument(const std::string& argument) {
        if (argument.substr(0, 2).find('?') != std::string::npos) {
            settings_.asked_help = true;
        } else if (argument.size() > 1 &&
                   (argument[0] == '-' || (argument[0] == '/' && !CanBeHostPath(argument)))) {
            Switch(argument);
        } else {
            Plain(argument);
        }
    }

  private:
    bool CanBeHostPath(const std::string& argument) {
        return argument.find('/', 1) != std::string::npos ||
               fileSystem_.GetAttributes(argument) != -1;
    }

    // A value that begins with a single "/" is a host path.
    std::string HostValue(const std::string& value) {
        if (!value.starts_with("/") || value.starts_with("//")) return value;
        std::string full = value;
        platform::FullPathName(fileSystem_, full);
        return full;
    }

    void Plain(const std::string& argument) {
        std::string path = argument;
        if (!path.empty()) platform::FullPathName(fileSystem_, path);
        if (!marks_.source && settings_.source.empty()) {
            settings_.source = argument.starts_with("@") ? JobListName(argument) : path;
            marks_.source = true;
        } else if (!marks_.destination && settings_.destination.empty()) {
            settings_.destination = path;
            marks_.destination = true;
        }
    }

    // "@list" as the source names a job list, as source=@list does in the
    // settings file: "@" and the list's full path, never a folder "@list".
    std::string JobListName(const std::string& argument) {
        std::string list = argument.substr(1);
        if (!list.empty()) platform::FullPathName(fileSystem_, list);
        return "@" + list;
    }

    void Switch(const std::string& argument) {
        const std::string value = argument.substr(2);
        switch (argument[1]) {
            case 'a':
            case 'm':
                settings_.arconly = marks_.arconly = true;
                break;
            case 'b':
                marks_.noiseOff = value.starts_with("-");
                marks_.noiseOn = !marks_.noiseOff;
                break;
            case 'c':
                if (HasAt(argument, 1, "crc")) {
                    CrcOnly(argument);
                } else {
                    settings_.cant_file = value;
                }
                break;
            case 'd':
                settings_.dst_drive_dir = true;
                break;
            case 'e':
                result_.settingsSection = value;
                break;
            case 'f':
                if (HasAt(argument, 1, "failonskips")) {
                    settings_.FailOnSkips = !HasAt(argument, 12, "-");
                    marks_.FailOnSkips = true;
                } else {
                    settings_.fakeverify = value;
                }
                break;
            case 'h':
                settings_.hidden = true;
                break;
            case 'i':
                SettingsFileName(value);
                break;
            case 'L':
            case 'l':
                settings_.log = HostValue(value);
                marks_.log = true;
                break;
            case 'n':
                if (HasAt(argument, 1, "notcdr")) {
                    NotCdr(argument.size() > 8 ? argument.substr(8) : std::string());
                } else {
                    settings_.noskipmsg = marks_.noskipmsg = true;
                }
                break;
            case 'p':
                settings_.program = HostValue(value);
                marks_.program = true;
                break;
            case 'r':
                if (HasAt(argument, 1, "readonly")) {
                    settings_.ReadOnly = settings_.atts = true;
                } else {
                    settings_.noprompt = marks_.noprompt = true;
                }
                break;
            case 's':
                settings_.recurse = marks_.recurse = true;
                break;
            case 't':
                settings_.nocopy = !value.starts_with("-");
                marks_.nocopy = true;
                break;
            case 'v':
                Verify(value);
                break;
            case 'x':
                settings_.nosettings = true;
                break;
            case '~':
                if (value.empty()) {
                    settings_.cant_all = true;
                } else {
                    settings_.cant_skip = value;
                }
                break;
            default:
                break;  // an unknown switch is passed over
        }
    }

    // "-crc" and "-crc:directory": checksum a tree without copying it.
    void CrcOnly(const std::string& argument) {
        settings_.crc_only = settings_.crc = settings_.nocopy = settings_.recurse = true;
        settings_.FixDotCrash = false;
        settings_.NotCDR = kAllDriveLetters;
        settings_.source = ".";
        settings_.destination = "f:\\";
        settings_.log = "nocopy+.bnx";
        settings_.nosettings = true;
        if (argument.size() > 5 && argument[4] == ':') {
            std::string directory = HostValue(argument.substr(5));
            support::EnsureTrailingBackslash(directory);
            settings_.source = directory;
            settings_.log = directory + "nocopy+.bnx";
        }
    }

    void NotCdr(const std::string& letters) {
        marks_.NotCDR = true;
        settings_.NotCDR = letters;
        if (letters.empty()) {
            settings_.NotCDR = kAllDriveLetters;
            settings_.FixDotCrash = false;
            marks_.FixDotCrash = true;
        }
    }

    void Verify(std::string value) {
        bool presetRoot = false;
        if (value.starts_with(":")) {
            value.erase(0, 1);
            settings_.nosettings = true;
            settings_.log = "bv~+.bnx";
            if (value.starts_with(":")) {
                value.erase(0, 1);
                presetRoot = true;
            }
        }
        value = HostValue(value);
        settings_.verify = value;
        marks_.verify = true;
        if (!presetRoot) return;
        if (support::CharAt(value, 2) == ':') {
            result_.verifyRoot = value.substr(0, 1);
        } else {
            result_.verifyRoot = fileSystem_.CurrentDirectory().substr(0, 1);
        }
    }

    void SettingsFileName(std::string value) {
        const bool keepCurrentDirectory = value.starts_with("+");
        if (keepCurrentDirectory) value.erase(0, 1);
        value = HostValue(value);
        result_.settingsFileName = value;
        const std::string directory = DirectoryPart(value);
        if (!keepCurrentDirectory && !directory.empty() &&
            !fileSystem_.SetCurrentDirectory(directory)) {
            op_.ErrorMessage(support::SafeFormat(
                "Couldn't make %s the current directory for the settings file %s!",
                {directory, value}));
            settings_.settings_missing = true;
        }
        if (!fileSystem_.FileExists(value)) {
            op_.ErrorMessage(support::SafeFormat("%s doesn't exist!", {value}));
            settings_.settings_missing = true;
        }
    }

    CommandLine& result_;
    JobSettings& settings_;
    CommandLineMarks& marks_;
    platform::FileSystem& fileSystem_;
    Operator& op_;
};

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments,
                             const support::EnvironmentLookup& environment,
                             platform::FileSystem& fileSystem, Operator& op) {
    CommandLine result;
    Parser parser(result, fileSystem, op);
    for (const std::string& argument : arguments) {
        parser.Argument(support::ExpandEnvironmentReferences(argument, false, environment));
    }
    return result;
}

}  // namespace brenx::options
