#pragma once

#include <string_view>

#ifdef _WIN32
#include <windows.h>

#include <string>
#endif

namespace fortunix::console {

// Writes the UTF-8 `text`, whole characters, to standard output or standard error without the
// C++ streams (whose locale set-up alone costs a small program half a megabyte): as characters
// on a Windows console, whatever its code page, and as its bytes to a pipe or a file and on
// every other system. False when not all of it could be written.
bool WriteStandardOutput(std::string_view text);
bool WriteStandardError(std::string_view text);

#ifdef _WIN32
// The standard handle `which` (STD_OUTPUT_HANDLE ...) when it is a console (GetConsoleMode
// succeeds only for one), else null: a pipe, a file or no handle at all.
HANDLE ConsoleHandle(DWORD which);

// Writes all of `text` to the console `handle`, in pieces that old consoles take.
bool WriteConsoleText(HANDLE handle, std::u16string_view text);
#endif

}  // namespace fortunix::console
