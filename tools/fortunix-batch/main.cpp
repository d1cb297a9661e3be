// fortunix-batch: one Part of Fortune reading per line of standard input.
//
//   in:  year,month,day,hour,minute,zone,lonDeg,lonMin,EW,latDeg,latMin,NS,dst
//   out: sun,moon,ascendant,pof,caption       (or "error"; a blank line stays blank)
//
// Refused lines are explained on standard error as "line N: reason". The exit status is 1
// when any line was refused. Memory stays flat: one line and one output block at a time.

#include <iostream>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "BatchLine.h"

namespace {

// Output is written in blocks of about this size.
constexpr std::size_t kBlockSize = 1 << 16;

void WriteBlock(std::ostream& stream, std::string& block) {
    stream.write(block.data(), static_cast<std::streamsize>(block.size()));
    block.clear();
}

}  // namespace

int main() {
#ifdef _WIN32
    // Windows reads standard input as text, which ends it at the first Ctrl+Z. Read the bytes as
    // they are, as on Linux; the line reader drops the carriage return of a CR LF ending.
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);

    const fortunix::DegreeSignTable& signs = fortunix::BuiltDegreeSignTable();
    std::string line;
    std::string output;
    std::string errors;
    output.reserve(kBlockSize + 256);
    long long lineNumber = 0;
    bool anyRefused = false;

    while (std::getline(std::cin, line)) {
        ++lineNumber;
        const fortunix::batch::BatchLineOutcome outcome =
            fortunix::batch::ReadBatchLine(line, signs);
        fortunix::batch::AppendOutputLine(outcome, output);
        if (!outcome.refusal.empty()) {
            anyRefused = true;
            errors += "line " + std::to_string(lineNumber) + ": " + outcome.refusal + '\n';
        }
        if (output.size() >= kBlockSize || errors.size() >= kBlockSize) {
            WriteBlock(std::cout, output);
            WriteBlock(std::cerr, errors);
        }
    }
    WriteBlock(std::cout, output);
    WriteBlock(std::cerr, errors);
    std::cout.flush();
    return anyRefused || !std::cout ? 1 : 0;
}
