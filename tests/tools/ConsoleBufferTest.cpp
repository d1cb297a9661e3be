#include "ConsoleBuffer.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "Utf8ToUtf16.h"

namespace fortunix::console {
namespace {

// `utf8` turned into UTF-16 in pieces of `pieceSize` bytes.
std::u16string Decoded(const std::string& utf8, std::size_t pieceSize) {
    Utf8ToUtf16 decoder;
    std::u16string text;
    for (std::size_t start = 0; start < utf8.size(); start += pieceSize) {
        decoder.Feed(std::string_view(utf8).substr(start, pieceSize), text);
    }
    decoder.Finish(text);
    return text;
}

// Characters of one to four bytes, cut between any two pieces; bytes that make no character
// become U+FFFD, one for each broken or stray sequence. Expected values from the Unicode
// code charts.
TEST(Utf8ToUtf16, DecodesWhereverThePiecesAreCut) {
    const struct {
        const char* name;
        std::string utf8;
        std::u16string expected;
    } rows[] = {
        {"ASCII", "Paris 21", u"Paris 21"},
        {"two bytes", "M\xC3\xBCnchen 21\xC2\xBA", u"M\u00FCnchen 21\u00BA"},
        {"three bytes",
         "\xE2\x88\x92"
         "03:30",
         u"\u221203:30"},
        {"four bytes: a surrogate pair", "\xF0\x9F\x98\x80", u"\U0001F600"},
        {"the last code point", "\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
        {"the first of each length", std::string("\x00\xC2\x80\xE0\xA0\x80\xF0\x90\x80\x80", 10),
         std::u16string(u"\0\u0080\u0800\U00010000", 5)},
        {"the last of each length", "\x7F\xDF\xBF\xEF\xBF\xBF", u"\u007F\u07FF\uFFFF"},
        {"a stray continuation byte",
         "a\x80"
         "b",
         u"a\uFFFDb"},
        {"a sequence broken by ASCII",
         "\xC3"
         "a",
         u"\uFFFDa"},
        {"a sequence broken by a new one", "\xE2\x88\xC3\xBC", u"\uFFFD\u00FC"},
        {"a sequence cut by the end", "a\xF0\x9F\x98", u"a\uFFFD"},
        {"overlong slash", "\xC0\xAF", u"\uFFFD"},
        {"overlong three bytes", "\xE0\x80\xAF", u"\uFFFD"},
        {"a surrogate in UTF-8", "\xED\xA0\x80", u"\uFFFD"},
        {"past U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD"},
        {"0xFF",
         "\xFF"
         "a",
         u"\uFFFDa"},
    };
    for (const auto& row : rows) {
        for (const std::size_t pieceSize : {std::size_t{1}, std::size_t{2}, std::size_t{3},
                                            std::max<std::size_t>(row.utf8.size(), 1)}) {
            EXPECT_TRUE(Decoded(row.utf8, pieceSize) == row.expected)
                << row.name << ", pieces of " << pieceSize;
        }
    }
}

// What a console would be handed: every piece given to the writer.
struct Console {
    std::vector<std::u16string> writes;
    bool refuses = false;

    ConsoleBuffer::Writer Writer() {
        return [this](std::u16string_view text) {
            writes.emplace_back(text);
            return !refuses;
        };
    }
    std::u16string Shown() const {
        std::u16string all;
        for (const std::u16string& piece : writes) {
            all += piece;
        }
        return all;
    }
};

// Newlines reach the console as CR LF; a character cut by a flush waits for the rest, and
// one never completed shows as U+FFFD at the end.
TEST(ConsoleBuffer, ShowsCharactersAndLines) {
    Console console;
    {
        ConsoleBuffer buffer(console.Writer());
        std::ostream out(&buffer);
        out << "M\xC3" << std::flush;
        EXPECT_TRUE(console.Shown() == u"M");
        out << "\xBCnchen\n21\xC2\xBA Gemini\n" << std::flush;
        EXPECT_TRUE(console.Shown() == u"M\u00FCnchen\r\n21\u00BA Gemini\r\n");
        out << "\xE2\x88";
    }
    EXPECT_TRUE(console.Shown() == u"M\u00FCnchen\r\n21\u00BA Gemini\r\n\uFFFD");
}

// Long output reaches the console in writes the oldest consoles take (at most 16 kB, even
// when every byte is a newline, after a character broken off too), each of whole characters:
// wherever the buffer fills, inside a four-byte character too, no write ends in the first half
// of a surrogate pair.
TEST(ConsoleBuffer, WritesWholeCharactersInPiecesOldConsolesTake) {
    const std::size_t most = ConsoleBuffer::kMostUnits;
    const std::string newlines(ConsoleBuffer::kBufferBytes, '\n');
    std::u16string newlinesShown;
    for (std::size_t i = 0; i < ConsoleBuffer::kBufferBytes; ++i) {
        newlinesShown += u"\r\n";
    }
    const std::string emoji = "\xF0\x9F\x98\x80";
    std::string emojiText;
    for (int i = 0; i < 3000; ++i) {
        emojiText += emoji;
    }
    std::u16string emojiShown;
    for (int i = 0; i < 3000; ++i) {
        emojiShown += u"\U0001F600";
    }
    const struct {
        const char* name;
        std::string flushedFirst;  // written and flushed before the rest
        std::string utf8;
        std::u16string shown;
    } rows[] = {
        {"newlines only", "", std::string(3 * ConsoleBuffer::kBufferBytes + 1, '\n'),
         [] {
             std::u16string lines;
             for (std::size_t i = 0; i < 3 * ConsoleBuffer::kBufferBytes + 1; ++i) {
                 lines += u"\r\n";
             }
             return lines;
         }()},
        {"emoji from the first byte", "", emojiText, emojiShown},
        {"emoji after one byte", "", "a" + emojiText, u"a" + emojiShown},
        {"emoji after two bytes", "", "ab" + emojiText, u"ab" + emojiShown},
        {"emoji after three bytes", "", "abc" + emojiText, u"abc" + emojiShown},
        {"newlines after a flush inside a character", "\xC3", newlines + "x",
         u"\uFFFD" + newlinesShown + u"x"},
    };
    for (const auto& row : rows) {
        Console console;
        {
            ConsoleBuffer buffer(console.Writer());
            std::ostream out(&buffer);
            out << row.flushedFirst << std::flush;
            out.write(row.utf8.data(), static_cast<std::streamsize>(row.utf8.size()));
        }
        EXPECT_TRUE(console.Shown() == row.shown) << row.name;
        EXPECT_GT(console.writes.size(), 1u) << row.name;
        for (const std::u16string& piece : console.writes) {
            EXPECT_LE(piece.size(), most) << row.name;
            EXPECT_FALSE(piece.back() >= 0xD800 && piece.back() <= 0xDBFF) << row.name;
        }
    }
}

// A console that refuses a write fails the stream, as a full disk would, and is not written
// to again.
TEST(ConsoleBuffer, ARefusedWriteFailsTheStream) {
    Console console;
    console.refuses = true;
    ConsoleBuffer buffer(console.Writer());
    std::ostream out(&buffer);
    out << "21\xC2\xBA" << std::flush;
    EXPECT_TRUE(out.fail());
    out.clear();
    out << "more" << std::flush;
    EXPECT_TRUE(out.fail());
    EXPECT_EQ(console.writes.size(), 1u);
}

}  // namespace
}  // namespace fortunix::console
