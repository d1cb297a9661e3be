#include "LineSplitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fortunix::batch {
namespace {

constexpr std::size_t kMax = LineSplitter::kMaxLineLength;

// The lines of `input` fed in pieces of `pieceSize` bytes, a too-long line shown as "<long>".
std::vector<std::string> LinesOf(const std::string& input, std::size_t pieceSize) {
    std::vector<std::string> lines;
    LineSplitter splitter([&](std::string_view text, bool tooLong) {
        lines.push_back(tooLong ? "<long>" : std::string(text));
    });
    for (std::size_t start = 0; start < input.size(); start += pieceSize) {
        splitter.Feed(std::string_view(input).substr(start, pieceSize));
    }
    splitter.Finish();
    return lines;
}

TEST(LineSplitter, CutsLinesAndRefusesLongOnesWhateverThePieces) {
    using Lines = std::vector<std::string>;
    const std::string longest(kMax, '7');
    const std::string oneTooMany(kMax + 1, '7');
    const std::string huge(3 * kMax + 100, 'x');
    struct Row {
        const char* name;
        std::string input;
        Lines expected;
    };
    const Row rows[] = {
        {"nothing", "", {}},
        {"one empty line", "\n", {""}},
        {"last line without a newline", "a\nb", {"a", "b"}},
        {"CRLF keeps its carriage return", "a\r\nb\r\n", {"a\r", "b\r"}},
        {"the longest line", longest + "\n", {longest}},
        {"the longest line with CRLF", longest + "\r\n", {longest + "\r"}},
        {"one byte too many", oneTooMany + "\nnext\n", {"<long>", "next"}},
        {"one byte too many at the end", "first\n" + oneTooMany, {"first", "<long>"}},
        {"one byte too many before CRLF", oneTooMany + "\r\nnext", {"<long>", "next"}},
        {"a huge line between short ones",
         "a\n" + huge + "\nb\n" + huge + "\n\nc",
         {"a", "<long>", "b", "<long>", "", "c"}},
    };
    for (const Row& row : rows) {
        for (const std::size_t pieceSize :
             {std::size_t{1}, std::size_t{7}, kMax, row.input.size()}) {
            if (pieceSize == 0) {
                continue;
            }
            EXPECT_EQ(LinesOf(row.input, pieceSize), row.expected)
                << row.name << ", pieces of " << pieceSize;
        }
    }
}

}  // namespace
}  // namespace fortunix::batch
