#pragma once

// windows.h for the back end, without what would clash with the program's
// own names: min/max, GDI's ERROR, and the A/W macros named like the file
// system's members (DeleteFile, CreateDirectory, ...). The back end calls
// the wide functions by their full names.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef NOGDI
#define NOGDI
#endif
#include <windows.h>

#undef CreateDirectory
#undef DeleteFile
#undef GetEnvironmentVariable
#undef SetCurrentDirectory
#undef GetCurrentDirectory
#undef MoveFile
#undef GetFileAttributes
#undef SetFileAttributes
