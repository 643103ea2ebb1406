#pragma once

#include <string>

#include "platform/dos_date_time.h"

namespace brenx::platform {
class FileHandle;
}
namespace brenx::run {
class RunState;
}

namespace brenx::copy {

// Dates an open copy and reads the date back. Some media say yes to a date
// and keep the time of the copy (FAT and exFAT through FUSE have done so);
// the next NewerOnly or DifferentOnly run would then decide by that time. A
// date that could not be set, did not take or cannot be read back is logged
// with the copy's name and counted in wrongDates; the copy itself is good.
// True when the date took.
bool DateTheCopy(run::RunState& run, const std::string& destination, platform::FileHandle& copy,
                 platform::DosDateTime date);

// Looks at the date of a copy that was dated, closed and then renamed into
// place, and dates it again when the rename lost it (FAT through fusefat
// gives a renamed file the time of the rename); what still does not take is
// logged and counted as above.
void KeepDateAcrossRename(run::RunState& run, const std::string& destination,
                          platform::DosDateTime date);

// A packed date as "yyyy-mm-dd hh:mm:ss" ("?" for one that is no date).
std::string DosDateText(platform::DosDateTime date);

}  // namespace brenx::copy
