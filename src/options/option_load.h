#pragma once

#include <string>
#include <vector>

#include "options/command_line.h"
#include "options/job_settings.h"
#include "options/operator.h"
#include "options/settings_file.h"
#include "platform/file_system.h"
#include "platform/program_places.h"
#include "support/environment_references.h"

namespace brenx::options {

// What the option load takes from outside the program's options.
struct OptionInputs {
    // The command line after the program name, already split.
    std::vector<std::string> arguments;
    support::EnvironmentLookup environment;
    // Where the files the program keeps in its own directory live: the
    // program's directory, or the host's places for each kind.
    platform::ProgramPlaces places;
    // The program's start time as "yymmddhhmm".
    std::string startStamp;
};

// The options of a run: the command line, the settings file and the derived
// values merged into the job settings, with what the merge leaves beside
// them. The caller owns it for the whole run; the job-list reader writes the
// per-job fields of Settings() before each job, every other part reads them.
class OptionLoad {
  public:
    OptionLoad(platform::FileSystem& fileSystem, Operator& op, OptionInputs inputs);

    // Merges, in this order: the built-in defaults, the command line, the
    // settings file (unless nosettings; options the command line marked are
    // not read from it), then the derived values. Runs once; later calls do
    // nothing. Reports nothing itself except what the command line reports
    // (-i); the conditions that stop a run are acted on when it starts.
    void LoadJobSettings();
    bool Loaded() const { return loaded_; }

    JobSettings& Settings() { return settings_; }
    const JobSettings& Settings() const { return settings_; }
    const CommandLine& CommandLineState() const { return commandLine_; }
    const SettingsFile& SettingsFileState() const { return settingsFile_; }
    // Closes the settings file (again); at program end.
    void CloseSettings() { settingsFile_.Close(); }
    // What the operator is to be told about a settings file that is there
    // but gives the run no settings (SettingsFile::Trouble); empty when
    // there is nothing to tell.
    const std::string& SettingsWarning() const { return settingsWarning_; }

    // Makes the run's log a file of this start alone, when the program named
    // it itself (the built-in "df~_+.bnx", or the name -crc and -v: give):
    // two runs started in the same minute would otherwise write into one
    // file, and the log copied onto each medium would carry the other's CRC
    // lines. The name becomes the file actually made (see CreateOwnLog). A
    // log named by -l or the settings file is appended to as ever. Before
    // the run's first entry.
    void ClaimOwnLog();

    // The log location was given explicitly (a path, or ":name").
    bool LogExplicit() const { return logExplicit_; }
    // " (cant_file:NAME)", or empty without a cant_file.
    const std::string& CantFileNote() const { return cantFileNote_; }
    // The source names a job list ("@file").
    bool SpecMode() const { return specMode_; }
    const std::string& StartStamp() const { return inputs_.startStamp; }
    const std::string& ProgramDirectory() const { return inputs_.places.program; }
    const platform::ProgramPlaces& Places() const { return inputs_.places; }
    const support::EnvironmentLookup& Environment() const { return inputs_.environment; }

  private:
    void ReadSettingsFile();
    void TakeSettingsTrouble();
    void DeriveValues();
    void PlaceLog();

    platform::FileSystem& fileSystem_;
    Operator& op_;
    OptionInputs inputs_;
    CommandLine commandLine_;
    JobSettings settings_;
    SettingsFile settingsFile_;
    bool loaded_ = false;
    bool logExplicit_ = false;
    bool logNamedByProgram_ = false;
    bool specMode_ = false;
    std::string cantFileNote_;
    std::string settingsWarning_;
};

}  // namespace brenx::options
