#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brenx::platform {

// Splits a command line into the program and its arguments the way the C
// runtime of a Windows program does:
// - the program name runs to the first blank or tab outside double quotes;
//   quotes only group there, backslashes are plain characters;
// - in the arguments, blanks and tabs outside quotes separate; a double quote
//   opens or closes a quoted part; inside one, two double quotes give one;
// - 2n backslashes before a double quote give n backslashes and the quote
//   opens or closes; 2n+1 give n backslashes and a literal quote; backslashes
//   before anything else are plain characters.
// One exception, on purpose: inside a quoted part of an argument that holds
// no quote yet, an odd run of backslashes right before a quote that ends the
// argument (a blank, a tab or the end of the line follows) is kept as it is
// and the quote closes. The Windows rule would turn "d:\data\" into d:\data"
// and swallow the rest of the line, and directory paths (which can hold no
// quote) end with a backslash in this program's own commands.
std::vector<std::string> SplitWindowsCommandLine(std::string_view commandLine);

}  // namespace brenx::platform
