// fortunix-batch: one Part of Fortune reading per line of standard input.
//
// Refused lines are explained on standard error as "line N: reason". Memory stays flat: input
// is read in fixed pieces, a line is held only up to its longest allowed length, and output is
// written in blocks.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <string_view>

#include "BatchLine.h"
#include "LineSplitter.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

constexpr int kAllRead = 0;
constexpr int kSomeRefused = 1;
constexpr int kFailed = 2;

constexpr const char* kUsage =
    "Usage: fortunix-batch < births.csv > readings.csv\n"
    "\n"
    "Reads one birth per line of standard input and writes its Part of Fortune reading.\n"
    "\n"
    "Input fields, comma-separated:\n"
    "  year,month,day,hour,minute,zone,lonDeg,lonMin,EW,latDeg,latMin,NS,dst\n"
    "  year 1901..2050, month 1..12, day 1..31, hour 0..23, minute 0..59,\n"
    "  zone the position 0..70 in the program's time-zone list, or an exact offset\n"
    "  that no row holds, UTC+05:45 or UTC-03:30,\n"
    "  lonDeg 0..179, lonMin 0..59, EW E or W, latDeg 0..89, latMin 0..59, NS N or S,\n"
    "  dst 1 when daylight saving time was in force, else 0.\n"
    "  A line may hold at most 4096 characters; a blank line gives a blank line.\n"
    "\n"
    "Output, one line per input line:\n"
    "  sun,moon,ascendant,partOfFortune,caption   or   error\n"
    "  The reason for each error goes to standard error as \"line N: reason\".\n"
    "\n"
    "Exit status:\n"
    "  0  every line was read\n"
    "  1  some line was refused\n"
    "  2  the input could not be read to its end, the output could not be written,\n"
    "     or the command line was not understood\n";

// Input is read in pieces of this size, and output is written in blocks of about this size.
constexpr std::size_t kBlockSize = 1 << 16;

void WriteBlock(std::ostream& stream, std::string& block) {
    stream.write(block.data(), static_cast<std::streamsize>(block.size()));
    block.clear();
}

int Fail(const std::string& what) {
    std::cout.flush();
    std::cerr << "fortunix-batch: " << what << '\n';
    return kFailed;
}

int ReadAllLines() {
    const fortunix::DegreeSignTable& signs = fortunix::BuiltDegreeSignTable();
    std::string output;
    std::string errors;
    output.reserve(kBlockSize + 256);
    long long lineNumber = 0;
    bool anyRefused = false;

    const auto refuse = [&](std::string_view reason) {
        anyRefused = true;
        errors += "line " + std::to_string(lineNumber) + ": ";
        errors += reason;
        errors += '\n';
    };
    fortunix::batch::LineSplitter lines([&](std::string_view text, bool tooLong) {
        ++lineNumber;
        if (tooLong) {
            output += "error\n";
            refuse("longer than " + std::to_string(fortunix::batch::LineSplitter::kMaxLineLength) +
                   " characters");
        } else {
            const fortunix::batch::BatchLineOutcome outcome =
                fortunix::batch::ReadBatchLine(text, signs);
            fortunix::batch::AppendOutputLine(outcome, output);
            if (!outcome.refusal.empty()) {
                refuse(outcome.refusal);
            }
        }
        if (output.size() >= kBlockSize || errors.size() >= kBlockSize) {
            WriteBlock(std::cout, output);
            WriteBlock(std::cerr, errors);
        }
    });

    static char buffer[kBlockSize];
    int readError = 0;
    while (true) {
        errno = 0;
        const std::size_t count = std::fread(buffer, 1, sizeof buffer, stdin);
        const bool lastPiece = count < sizeof buffer;  // the end of the input, or an error
        readError = errno;
        lines.Feed(std::string_view(buffer, count));
        if (lastPiece) {
            break;
        }
    }
    const bool readFailed = std::ferror(stdin) != 0;
    if (!readFailed) {
        lines.Finish();
    }
    WriteBlock(std::cout, output);
    WriteBlock(std::cerr, errors);
    std::cout.flush();

    if (readFailed) {
        return Fail("cannot read standard input after line " + std::to_string(lineNumber) + ": " +
                    std::strerror(readError));
    }
    if (!std::cout) {
        return Fail("cannot write standard output");
    }
    return anyRefused ? kSomeRefused : kAllRead;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    if (argc == 2 && std::string_view(argv[1]) == "--help") {
        std::cout << kUsage;
        std::cout.flush();
        return std::cout ? kAllRead : kFailed;
    }
    if (argc > 1) {
        std::cerr << "fortunix-batch: unknown argument " << argv[1] << "\n\n" << kUsage;
        return kFailed;
    }
#ifdef _WIN32
    // Text mode would end the input at a Ctrl+Z byte and lose the lines after it.
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    try {
        return ReadAllLines();
    } catch (const std::bad_alloc&) {
        return Fail("out of memory");
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
}
