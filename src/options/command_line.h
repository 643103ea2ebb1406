#pragma once

#include <string>
#include <vector>

#include "options/job_settings.h"
#include "options/operator.h"
#include "platform/file_system.h"
#include "support/environment_references.h"

namespace brenx::options {

// What the command line says: the settings with the switches applied over the
// built-in defaults, the marks of the options it gave, and the settings file
// and section to read.
struct CommandLine {
    JobSettings settings;
    CommandLineMarks marks;
    std::string settingsFileName = "brenx.ini";
    std::string settingsSection = "brenx";
    // The verify drive letter given by "-v::", empty when none was.
    std::string verifyRoot;
};

// Parses the arguments (the command line after the program name, already
// split) in order, so that a later switch overrides an earlier one.
//
// Each argument has its %NAME% references expanded first (unset ones vanish).
// A "?" among its first two characters asks for help. An argument of two or
// more characters that begins with "-" is a switch chosen by its second
// character; one that begins with "/" is a switch too unless it can be a host
// path (it holds a second "/" or names something that exists), so that
// "/s" is a switch and "/home/me/photos" a directory. Any other argument is a
// plain one: the first names the source, the second the destination, each
// made a full path through the host layer (a host path /x/y becomes c:\x\y);
// later ones are ignored. A first plain argument that begins with "@" names
// a job list, as a settings-file source beginning with "@" does: the source
// becomes "@" and the list's full path. An argument that is empty after
// expansion still takes its place, leaving that option empty, so that the
// next argument never slides into the wrong role.
//
// Values of the switches that name files (-i, -L, -p, -v, -crc:) that begin
// with a single "/" are host paths and are given their Windows names.
//
// "-i" may change the current directory and reports a settings file that
// does not exist (or a directory it cannot enter) to the operator.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments,
                             const support::EnvironmentLookup& environment,
                             platform::FileSystem& fileSystem, Operator& op);

}  // namespace brenx::options
