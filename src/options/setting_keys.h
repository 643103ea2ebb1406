#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <variant>

#include "options/job_settings.h"
#include "support/environment_references.h"

namespace brenx::options {

// What a text value read from the settings file does with %NAME% references.
enum class Expansion {
    DropUnset,  // each becomes the variable's value; unset ones vanish
    KeepUnset,  // unset ones stay as written, percent signs included
    None,       // the value is taken as it stands
};

// The member of the job settings that a key sets; none for a key with a rule.
using SettingField = std::variant<std::monostate, bool JobSettings::*, std::int32_t JobSettings::*,
                                  std::int64_t JobSettings::*, std::string JobSettings::*>;

// What a key with a rule of its own does with the value the file gives it.
using SettingRule = void (*)(JobSettings& settings, const std::string& value,
                             const support::EnvironmentLookup& environment);

// One key of the settings file. Its name is the name of the option it sets.
struct SettingKey {
    const char* name;
    SettingField field;
    // The command-line mark that keeps the key from being read; none when null.
    bool CommandLineMarks::*mark = nullptr;
    Expansion expansion = Expansion::DropUnset;
    // Used instead of `field` when set; called only when the file has the key.
    SettingRule rule = nullptr;
};

// Every key of the settings file, in the order the option load reads them.
std::span<const SettingKey> SettingKeys();

}  // namespace brenx::options
