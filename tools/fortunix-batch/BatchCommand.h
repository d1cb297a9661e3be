#pragma once

#include <cstdio>
#include <ostream>
#include <span>
#include <string_view>

namespace fortunix::batch {

// The exit statuses of fortunix-batch.
inline constexpr int kAllRead = 0;
inline constexpr int kSomeRefused = 1;
inline constexpr int kFailed = 2;

// The text of --help.
extern const std::string_view kUsage;

// Reads every line of `input`, writes one output line per input line to `out` and the reason
// for each refused line to `err` ("line N: reason"). Answers kAllRead, kSomeRefused, or
// kFailed when the input could not be read to its end or `out` could not be written.
// Memory stays flat: the input is read in pieces of at most a fixed size, a line is held only
// up to its longest allowed length, and the output is written in blocks. Each piece is read as
// soon as it is there, and when no more input is waiting the answers so far are written out:
// lines typed in a console are answered as they come. The input ends at its end or at a line
// holding only Ctrl+Z (LineSplitter.h).
int ReadAllLines(std::FILE* input, std::ostream& out, std::ostream& err);

// The whole command: `arguments` are those after the program's name. --help or /? alone
// writes the usage; any other argument is refused with the usage; none reads `input`.
int RunBatchCommand(std::span<const std::string_view> arguments, std::FILE* input,
                    std::ostream& out, std::ostream& err);

}  // namespace fortunix::batch
