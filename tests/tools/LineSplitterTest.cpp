#include "LineSplitter.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// A UTF-8 byte-order mark is skipped only at the very start, whole, and does not count
// towards the first line's length; a line of only Ctrl+Z ends the text, wherever the pieces
// are cut.
TEST(LineSplitter, SkipsTheByteOrderMarkAndEndsAtAControlZLine) {
    using Lines = std::vector<std::string>;
    const std::string mark = "\xEF\xBB\xBF";
    const std::string longest(kMax, '7');
    struct Row {
        const char* name;
        std::string input;
        Lines expected;
    };
    const Row rows[] = {
        {"mark before the first line", mark + "a\r\nb", {"a\r", "b"}},
        {"mark alone", mark, {}},
        {"mark and an empty line", mark + "\n", {""}},
        {"mark and the longest line", mark + longest + "\n", {longest}},
        {"mark, the longest line and one byte more", mark + longest + "7\nb", {"<long>", "b"}},
        {"a second mark is text", mark + mark + "a", {mark + "a"}},
        {"a mark on the second line is text", "a\n" + mark + "b", {"a", mark + "b"}},
        {"the first two bytes of a mark are text",
         "\xEF\xBB"
         "a\n",
         {"\xEF\xBB"
          "a"}},
        {"the first byte of a mark, alone", "\xEF", {"\xEF"}},
        {"the first two bytes of a mark, alone", "\xEF\xBB", {"\xEF\xBB"}},
        {"Ctrl+Z line ends the text", "a\n\x1A\nb\n", {"a"}},
        {"Ctrl+Z line with CRLF", "a\r\n\x1A\r\nb\r\n", {"a\r"}},
        {"Ctrl+Z as the last byte", "a\n\x1A", {"a"}},
        {"Ctrl+Z alone", "\x1A", {}},
        {"Ctrl+Z first, then lines", "\x1A\na\n", {}},
        {"mark, then Ctrl+Z", mark + "\x1A\na", {}},
        {"Ctrl+Z after text stays in its line", "a\x1A\nb", {"a\x1A", "b"}},
        {"Ctrl+Z before text stays in its line",
         "\x1A"
         "a\nb",
         {"\x1A"
          "a",
          "b"}},
        {"two Ctrl+Z are a line", "\x1A\x1A\nb", {"\x1A\x1A", "b"}},
        {"a space and Ctrl+Z are a line", " \x1A\nb", {" \x1A", "b"}},
        {"Ctrl+Z and two carriage returns are a line", "\x1A\r\r\nb", {"\x1A\r\r", "b"}},
    };
    for (const Row& row : rows) {
        for (const std::size_t pieceSize : {std::size_t{1}, std::size_t{2}, std::size_t{7},
                                            std::max<std::size_t>(row.input.size(), 1)}) {
            EXPECT_EQ(LinesOf(row.input, pieceSize), row.expected)
                << row.name << ", pieces of " << pieceSize;
        }
    }
}

// Feed says when the text has ended, and nothing after the Ctrl+Z line is handed over, not
// even a last line without a newline at Finish.
TEST(LineSplitter, FeedAnswersFalseOnceTheTextHasEnded) {
    std::vector<std::string> lines;
    LineSplitter splitter([&](std::string_view text, bool) { lines.emplace_back(text); });
    EXPECT_TRUE(splitter.Feed("a\n\x1A"));
    EXPECT_FALSE(splitter.ended());
    EXPECT_FALSE(splitter.Feed("\r\nb\n"));
    EXPECT_TRUE(splitter.ended());
    EXPECT_FALSE(splitter.Feed("c"));
    splitter.Finish();
    EXPECT_EQ(lines, std::vector<std::string>{"a"});
}

}  // namespace
}  // namespace fortunix::batch
