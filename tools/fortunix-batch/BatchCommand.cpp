#include "BatchCommand.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <new>
#include <string>

#include "BatchLine.h"
#include "LineSplitter.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace fortunix::batch {

const std::string_view kUsage =
    "Usage: fortunix-batch < births.csv > readings.csv\n"
    "       fortunix-batch --help   (or /?)\n"
    "\n"
    "Reads one birth per line of standard input and writes its Part of Fortune reading.\n"
    "\n"
    "Input fields, comma-separated:\n"
    "  year,month,day,hour,minute,zone,lonDeg,lonMin,EW,latDeg,latMin,NS,dst\n"
    "  year 1901..2050, month 1..12, day 1..31, hour 0..23, minute 0..59,\n"
    "  zone the position 0..70 in the program's time-zone list, or an exact offset\n"
    "  that no row holds, UTC+05:45 or UTC-03:30 (from UTC-12:00 to UTC+14:00),\n"
    "  lonDeg 0..179, lonMin 0..59, EW E or W, latDeg 0..89, latMin 0..59, NS N or S,\n"
    "  dst 1 when daylight saving time was in force, else 0.\n"
    "  A line may hold at most 4096 characters; a blank line gives a blank line.\n"
    "  A UTF-8 byte-order mark at the start is skipped. A line holding only Ctrl+Z\n"
    "  ends the input (in a Windows console: Ctrl+Z, then Enter).\n"
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

namespace {

// Input is read in pieces of this size, and output is written in blocks of about this size.
constexpr std::size_t kBlockSize = 1 << 16;

// The descriptor of `input`: it is read directly, so that each piece is handled as it comes,
// where the C library would wait until its buffer is full.
int DescriptorOf(std::FILE* input) {
#ifdef _WIN32
    return _fileno(input);
#else
    return fileno(input);
#endif
}

// Reads what is there, up to `size` bytes, waiting only for the first: the count, 0 at the end
// of the input, or -1 with errno set.
long long ReadSome(int descriptor, char* buffer, std::size_t size) {
    while (true) {
        errno = 0;
#ifdef _WIN32
        const long long count = _read(descriptor, buffer, static_cast<unsigned>(size));
#else
        const long long count = read(descriptor, buffer, size);
#endif
        if (count >= 0 || errno != EINTR) {
            return count;
        }
    }
}

void WriteBlock(std::ostream& stream, std::string& block) {
    stream.write(block.data(), static_cast<std::streamsize>(block.size()));
    block.clear();
}

int Fail(std::ostream& out, std::ostream& err, const std::string& what) {
    out.flush();
    err << "fortunix-batch: " << what << '\n';
    return kFailed;
}

}  // namespace

int ReadAllLines(std::FILE* input, std::ostream& out, std::ostream& err) {
    const DegreeSignTable& signs = BuiltDegreeSignTable();
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
    LineSplitter lines([&](std::string_view text, bool tooLong) {
        ++lineNumber;
        if (tooLong) {
            output += "error\n";
            refuse("longer than " + std::to_string(LineSplitter::kMaxLineLength) + " characters");
        } else {
            const BatchLineOutcome outcome = ReadBatchLine(text, signs);
            AppendOutputLine(outcome, output);
            if (!outcome.refusal.empty()) {
                refuse(outcome.refusal);
            }
        }
        if (output.size() >= kBlockSize || errors.size() >= kBlockSize) {
            WriteBlock(out, output);
            WriteBlock(err, errors);
        }
    });

    static char buffer[kBlockSize];
    const int descriptor = DescriptorOf(input);
    bool readFailed = false;
    int readError = 0;
    while (true) {
        const long long count = ReadSome(descriptor, buffer, sizeof buffer);
        if (count <= 0) {
            readFailed = count < 0;
            readError = errno;
            break;
        }
        if (!lines.Feed(std::string_view(buffer, static_cast<std::size_t>(count)))) {
            break;  // a Ctrl+Z line ended the text
        }
        if (count < static_cast<long long>(sizeof buffer)) {
            // No more input is waiting (a line typed in a console): answer what came so far.
            WriteBlock(out, output);
            WriteBlock(err, errors);
            out.flush();
        }
    }
    if (!readFailed) {
        lines.Finish();
    }
    WriteBlock(out, output);
    WriteBlock(err, errors);
    out.flush();

    if (readFailed) {
        return Fail(out, err,
                    "cannot read standard input after line " + std::to_string(lineNumber) + ": " +
                        std::strerror(readError));
    }
    if (!out) {
        return Fail(out, err, "cannot write standard output");
    }
    return anyRefused ? kSomeRefused : kAllRead;
}

int RunBatchCommand(std::span<const std::string_view> arguments, std::FILE* input,
                    std::ostream& out, std::ostream& err) {
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "/?")) {
        out << kUsage;
        out.flush();
        return out ? kAllRead : kFailed;
    }
    if (!arguments.empty()) {
        err << "fortunix-batch: unknown argument " << arguments[0] << "\n\n" << kUsage;
        return kFailed;
    }
    try {
        return ReadAllLines(input, out, err);
    } catch (const std::bad_alloc&) {
        return Fail(out, err, "out of memory");
    } catch (const std::exception& error) {
        return Fail(out, err, error.what());
    }
}

}  // namespace fortunix::batch
