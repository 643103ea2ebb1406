#pragma once

#include <string>
#include <vector>

namespace brenx::scenario {

// The scenarios run the Linux brenxc, or, when BRENX_SCENARIO_EXE names a
// brenxc.exe, that program under wine (in the WINEPREFIX of the environment).

bool UnderWine();

// The command that starts the program, before its own arguments.
std::vector<std::string> ProgramCommand();

// Gives wine's drive letters the folders of a BRENX_DRIVES text
// ("s=/tmp/x/s;t=/tmp/x/t"). Wine learns its letters when its server starts,
// so each letter the scenarios use is set up before then as a link to a link
// in the folder BRENX_SCENARIO_DRIVES names; this re-points those inner links,
// and points the letters not named at an empty folder ("none" there). False
// when a letter is not set up or a link could not be made.
bool GiveWineTheDrives(const std::string& drives);

}  // namespace brenx::scenario
