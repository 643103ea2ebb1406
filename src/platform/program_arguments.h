#pragma once

#include <string>
#include <vector>

namespace brenx::platform {

// The arguments the program was started with, after its own name, in UTF-8.
// POSIX hands them over as they are; Windows hands `argv` over in the ANSI
// code page, where a name in another script would be lost, so its back end
// reads the wide command line instead.
std::vector<std::string> ProgramArguments(int argc, char** argv);

}  // namespace brenx::platform
