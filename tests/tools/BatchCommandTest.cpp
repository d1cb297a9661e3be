#include "BatchCommand.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "support/TempFile.h"

namespace fortunix::batch {
namespace {

constexpr std::string_view kGreenwichNoon = "2000,1,1,12,0,29,0,0,W,51,30,N,0";
constexpr std::string_view kGreenwichReading = "280,223,24,81,21\u00BA Gemini";

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// The command with `arguments` over an input file holding `input`.
Outcome RunWith(std::vector<std::string_view> arguments, const std::string& input) {
    const test_support::TempFile file(input);
    EXPECT_NE(file.get(), nullptr);
    std::ostringstream out;
    std::ostringstream err;
    Outcome run;
    run.status = RunBatchCommand(arguments, file.get(), out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

// Only --help alone is understood; any other argument, the last one too, is refused before
// the input is read. The refusal names the first argument.
TEST(RunBatchCommand, CommandLine) {
    const std::string usage(kUsage);
    struct Row {
        const char* name;
        std::vector<std::string_view> arguments;
        int status;
        std::string out;
        std::string err;
    };
    const Row rows[] = {
        {"no argument: the input is read", {}, kAllRead, std::string(kGreenwichReading) + "\n", ""},
        {"--help", {"--help"}, kAllRead, usage, ""},
        {"an unknown argument",
         {"--verbose"},
         kFailed,
         "",
         "fortunix-batch: unknown argument --verbose\n\n" + usage},
        {"a file name",
         {"births.csv"},
         kFailed,
         "",
         "fortunix-batch: unknown argument births.csv\n\n" + usage},
        {"--help with an unknown last argument",
         {"--help", "--verbose"},
         kFailed,
         "",
         "fortunix-batch: unknown argument --help\n\n" + usage},
        {"an unknown argument before --help",
         {"-x", "--help"},
         kFailed,
         "",
         "fortunix-batch: unknown argument -x\n\n" + usage},
    };
    for (const Row& row : rows) {
        const Outcome run = RunWith(row.arguments, std::string(kGreenwichNoon) + "\n");
        EXPECT_EQ(run.status, row.status) << row.name;
        EXPECT_EQ(run.out, row.out) << row.name;
        EXPECT_EQ(run.err, row.err) << row.name;
    }
}

// A line of the longest length is read like any other (the form trims the spaces that fill
// it); one byte more is refused by its length, and the lines around it are still read.
TEST(RunBatchCommand, LinesAtTheLengthLimit) {
    const auto padded = [](std::size_t length) {
        std::string line(kGreenwichNoon);
        line.resize(length, ' ');
        return line;
    };
    const std::string reading = std::string(kGreenwichReading) + "\n";
    struct Row {
        const char* name;
        std::string input;
        int status;
        std::string out;
        std::string err;
    };
    const Row rows[] = {
        {"4096 characters", padded(4096) + "\n", kAllRead, reading, ""},
        {"4096 characters and CR LF", padded(4096) + "\r\n", kAllRead, reading, ""},
        {"4096 characters, the last line without a newline",
         std::string(kGreenwichNoon) + "\n" + padded(4096), kAllRead, reading + reading, ""},
        {"4097 characters", padded(4097) + "\n" + std::string(kGreenwichNoon) + "\n", kSomeRefused,
         "error\n" + reading, "line 1: longer than 4096 characters\n"},
        {"4097 characters, the last line without a newline",
         std::string(kGreenwichNoon) + "\n" + padded(4097), kSomeRefused, reading + "error\n",
         "line 2: longer than 4096 characters\n"},
    };
    for (const Row& row : rows) {
        const Outcome run = RunWith({}, row.input);
        EXPECT_EQ(run.status, row.status) << row.name;
        EXPECT_EQ(run.out, row.out) << row.name;
        EXPECT_EQ(run.err, row.err) << row.name;
    }
}

}  // namespace
}  // namespace fortunix::batch
