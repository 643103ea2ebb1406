#include "options/option_load.h"

#include <variant>

#include "options/own_log.h"
#include "options/setting_keys.h"
#include "platform/program_directory.h"
#include "support/ascii_case.h"
#include "support/date_stamp.h"
#include "support/path_names.h"
#include "support/safe_format.h"

namespace brenx::options {

namespace {

// Reads one key into the settings, with the current value as its default.
class KeyReader {
  public:
    KeyReader(SettingsFile& file, JobSettings& settings,
              const support::EnvironmentLookup& environment)
        : file_(file), settings_(settings), environment_(environment) {}

    void Read(const SettingKey& key) {
        if (key.rule != nullptr) {
            if (const auto value = file_.ReadValue(key.name)) {
                key.rule(settings_, *value, environment_);
            }
            return;
        }
        std::visit([&](auto member) { Read(key, member); }, key.field);
    }

  private:
    void Read(const SettingKey&, std::monostate) {}
    void Read(const SettingKey& key, bool JobSettings::*member) {
        settings_.*member = file_.ReadFlag(key.name, settings_.*member);
    }
    void Read(const SettingKey& key, std::int32_t JobSettings::*member) {
        settings_.*member = file_.ReadInteger(key.name, settings_.*member);
    }
    void Read(const SettingKey& key, std::int64_t JobSettings::*member) {
        settings_.*member = file_.ReadBigInteger(key.name, settings_.*member);
    }
    void Read(const SettingKey& key, std::string JobSettings::*member) {
        std::string& value = settings_.*member;
        if (key.expansion == Expansion::None) {
            value = file_.ReadRawText(key.name, value);
        } else {
            value = file_.ReadText(key.name, value, key.expansion == Expansion::KeepUnset,
                                   environment_);
        }
    }

    SettingsFile& file_;
    JobSettings& settings_;
    const support::EnvironmentLookup& environment_;
};

}  // namespace

OptionLoad::OptionLoad(platform::FileSystem& fileSystem, Operator& op, OptionInputs inputs)
    : fileSystem_(fileSystem),
      op_(op),
      inputs_(std::move(inputs)),
      settingsFile_(fileSystem, inputs_.places.settings) {}

void OptionLoad::LoadJobSettings() {
    if (loaded_) return;
    loaded_ = true;
    commandLine_ = ParseCommandLine(inputs_.arguments, inputs_.environment, fileSystem_, op_);
    settings_ = commandLine_.settings;
    settingsFile_.SetName(commandLine_.settingsFileName);
    settingsFile_.SetSection(commandLine_.settingsSection);
    bool logInFile = false;
    if (!settings_.nosettings) {
        settingsFile_.Open();
        ReadSettingsFile();
        logInFile = settingsFile_.ReadValue("log").has_value();
        settingsFile_.Close();
        TakeSettingsTrouble();
    }
    logNamedByProgram_ = !commandLine_.marks.log && !logInFile;
    DeriveValues();
}

void OptionLoad::TakeSettingsTrouble() {
    if (settingsFile_.Trouble().empty()) return;
    settingsWarning_ = support::SafeFormat("Settings file %s not used: it %s",
                                           {settingsFile_.ResolvedPath(), settingsFile_.Trouble()});
}

void OptionLoad::ClaimOwnLog() {
    if (logNamedByProgram_ && !settings_.log.empty()) {
        settings_.log = CreateOwnLog(fileSystem_, settings_.log);
    }
}

void OptionLoad::ReadSettingsFile() {
    KeyReader reader(settingsFile_, settings_, inputs_.environment);
    for (const SettingKey& key : SettingKeys()) {
        if (key.mark == nullptr || !(commandLine_.marks.*key.mark)) reader.Read(key);
    }
    platform::ResolveInCurrentDirectory(fileSystem_, settings_.counts);
}

void OptionLoad::PlaceLog() {
    std::string& log = settings_.log;
    support::ExpandDateStamp(log, inputs_.startStamp);
    if (log.empty()) return;
    if (support::HasPathSyntax(log)) logExplicit_ = true;
    if (log.front() == ':') {
        log.erase(0, 1);
        platform::ResolveInCurrentDirectory(fileSystem_, log);
        logExplicit_ = true;
    } else if (!settingsFile_.ResolvedPath().empty() && !settingsFile_.InProgramPlace() &&
               support::HasPathSyntax(settingsFile_.ResolvedPath())) {
        support::ResolveBesideFile(settingsFile_.ResolvedPath(), log);
    } else {
        // Beside a settings file found in the program's place for settings,
        // or without one: the program's place for logs.
        log = support::JoinPath(Places().Of(platform::ProgramFile::Log), log);
    }
}

void OptionLoad::DeriveValues() {
    JobSettings& s = settings_;
    const auto placeOf = [this](platform::ProgramFile kind) {
        return support::WithTrailingBackslash(Places().Of(kind));
    };
    if (s.DifferentOnly) s.NewerOnly = false;
    if (s.source == ".") s.source = platform::CurrentDirectoryWithBackslash(fileSystem_);
    if (!s.auto_dst_drive) s.network_directory_style = kNetworkStyleRest;
    support::ResolveProgramRelativeName(s.sizeini, placeOf(platform::ProgramFile::Placement));
    support::ResolveProgramRelativeName(s.helphtm, placeOf(platform::ProgramFile::Resource));
    platform::ResolveInCurrentDirectory(fileSystem_, s.tidy);
    PlaceLog();
    support::StripTrailingBackslash(s.startfile);
    support::EnsureTrailingBackslashIfSet(s.source);
    support::EnsureTrailingBackslashIfSet(s.destination);
    platform::ResolveInCurrentDirectory(fileSystem_, s.program);
    platform::ResolveInCurrentDirectory(fileSystem_, s.pflag);
    platform::ResolveInCurrentDirectory(fileSystem_, s.verify);
    if (!s.verify.empty()) s.crc = true;
    support::ExpandDateStamp(s.destination, inputs_.startStamp);
    // An empty destination leaves the root empty: "\" would name the root of
    // the current drive as the place for the CRC log copy.
    s.dst_root = s.destination;
    support::EnsureTrailingBackslashIfSet(s.dst_root);
    s.NotCDR = support::AsciiLower(s.NotCDR);
    s.fakeverify = support::AsciiLower(s.fakeverify);
    support::StripTrailingBackslash(s.fakeverify);
    specMode_ = s.source.starts_with("@");
    cantFileNote_ =
        s.cant_file.empty() ? std::string() : support::SafeFormat(" (cant_file:%s)", {s.cant_file});
    const CommandLineMarks& m = commandLine_.marks;
    if (m.noiseOff) {
        s.noise.clear();
    } else if (m.noiseOn && s.noise.empty()) {
        s.noise = "1";
    }
    if (s.noise == "1") s.noise = "AIRNUKLD.WAV";
    support::ResolveBareName(s.noise, placeOf(platform::ProgramFile::Resource));
}

}  // namespace brenx::options
