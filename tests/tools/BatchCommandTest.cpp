#include "BatchCommand.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <future>
#include <mutex>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

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

// An input read without arguments, and what the command must make of it.
struct InputRow {
    const char* name;
    std::string input;
    int status;
    std::string out;
    std::string err;
};

void ExpectOutcomes(std::span<const InputRow> rows) {
    for (const InputRow& row : rows) {
        const Outcome run = RunWith({}, row.input);
        EXPECT_EQ(run.status, row.status) << row.name;
        EXPECT_EQ(run.out, row.out) << row.name;
        EXPECT_EQ(run.err, row.err) << row.name;
    }
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
        {"/?, as Windows programs take it", {"/?"}, kAllRead, usage, ""},
        {"/? with --help",
         {"/?", "--help"},
         kFailed,
         "",
         "fortunix-batch: unknown argument /?\n\n" + usage},
        {"-?", {"-?"}, kFailed, "", "fortunix-batch: unknown argument -?\n\n" + usage},
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
    const InputRow rows[] = {
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
    ExpectOutcomes(rows);
}

// What Windows editors and consoles leave in a file: a byte-order mark at the start is no
// part of the first birth, and a line of only Ctrl+Z ends the input, whatever follows it.
TEST(RunBatchCommand, ByteOrderMarkAndControlZLine) {
    const std::string birth(kGreenwichNoon);
    const std::string reading = std::string(kGreenwichReading) + "\n";
    const InputRow rows[] = {
        {"Notepad's byte-order mark", "\xEF\xBB\xBF" + birth + "\r\n" + birth + "\r\n", kAllRead,
         reading + reading, ""},
        {"a mark on a later line is refused", birth + "\n\xEF\xBB\xBF" + birth + "\n", kSomeRefused,
         reading + "error\n", "line 2: year must be a whole number from 1901 to 2050\n"},
        {"Ctrl+Z line ends the input", birth + "\r\n\x1A\r\nnot a birth\r\n", kAllRead, reading,
         ""},
        {"Ctrl+Z line after a refused line", "x\n\x1A\n" + birth + "\n", kSomeRefused, "error\n",
         "line 1: expected 13 comma-separated fields, found 1\n"},
        {"Ctrl+Z inside a line is refused", birth + "\x1A\n" + birth + "\n", kSomeRefused,
         "error\n" + reading, "line 1: dst must be 0 or 1\n"},
    };
    ExpectOutcomes(rows);
}

// An output stream that another thread can wait on.
class WatchedOutput : public std::streambuf {
  public:
    // Whether the stream holds `text` within ten seconds.
    bool WaitFor(const std::string& text) {
        std::unique_lock lock(mutex_);
        return written_.wait_for(lock, std::chrono::seconds(10), [&] { return text_ == text; });
    }

  protected:
    std::streamsize xsputn(const char* bytes, std::streamsize count) override {
        const std::lock_guard lock(mutex_);
        text_.append(bytes, static_cast<std::size_t>(count));
        written_.notify_all();
        return count;
    }
    int_type overflow(int_type byte) override {
        if (!traits_type::eq_int_type(byte, traits_type::eof())) {
            const char c = traits_type::to_char_type(byte);
            xsputn(&c, 1);
        }
        return traits_type::not_eof(byte);
    }

  private:
    std::mutex mutex_;
    std::condition_variable written_;
    std::string text_;
};

// Typed input, as a console or a terminal hands it over a line at a time: each line is
// answered before the next one comes, and a Ctrl+Z line ends the input while the other end
// is still open.
TEST(RunBatchCommand, TypedLinesAreAnsweredAndControlZEndsThem) {
    int ends[2];
#ifdef _WIN32
    ASSERT_EQ(_pipe(ends, 4096, _O_BINARY), 0);
#else
    ASSERT_EQ(pipe(ends), 0);
#endif
    std::FILE* typed = fdopen(ends[0], "rb");
    ASSERT_NE(typed, nullptr);
    const auto type = [&](std::string_view line) {
        return write(ends[1], line.data(), static_cast<unsigned>(line.size())) ==
               static_cast<int>(line.size());
    };
    WatchedOutput watched;
    std::ostream out(&watched);
    std::ostringstream err;
    auto run = std::async(std::launch::async, [&] { return ReadAllLines(typed, out, err); });

    const std::string reading = std::string(kGreenwichReading) + "\n";
    ASSERT_TRUE(type(std::string(kGreenwichNoon) + "\r\n"));
    const bool firstAnswered = watched.WaitFor(reading);
    ASSERT_TRUE(type(std::string(kGreenwichNoon) + "\r\n"));
    const bool secondAnswered = watched.WaitFor(reading + reading);
    ASSERT_TRUE(type("\x1A\r\n"));
    const bool ended = run.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    close(ends[1]);  // lets a reader that waits for the end of the input finish
    EXPECT_TRUE(firstAnswered);
    EXPECT_TRUE(secondAnswered);
    EXPECT_TRUE(ended);
    EXPECT_EQ(run.get(), kAllRead);
    EXPECT_EQ(err.str(), "");
    std::fclose(typed);
}

}  // namespace
}  // namespace fortunix::batch
