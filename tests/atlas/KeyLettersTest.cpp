#include "atlas/KeyLetters.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <vector>

namespace fortunix::atlas {
namespace {

struct LettersCase {
    const char* name;
    QByteArray key;
    std::vector<char32_t> letters;  // from the UTF-8 encoding, worked out by hand
};

std::vector<char32_t> LettersOf(QByteArrayView key) {
    std::vector<char32_t> letters;
    for (qsizetype at = 0; at < key.size();) {
        letters.push_back(NextLetter(key, at));
    }
    return letters;
}

TEST(KeyLetters, ReadsOneCodePointALetter) {
    const LettersCase cases[] = {
        {"ASCII", "ab 1", {u'a', u'b', u' ', u'1'}},
        {"two bytes", "\xC3\xA9t\xC3\xA9", {0xE9, u't', 0xE9}},
        {"the first of two bytes", "\xC2\x80", {0x80}},
        {"the last of two bytes", "\xDF\xBF", {0x7FF}},
        {"three bytes", "\xE6\x9D\xB1", {0x6771}},
        {"the first of three bytes", "\xE0\xA0\x80", {0x800}},
        {"four bytes", "\xF0\x9F\x8C\x8D", {0x1F30D}},
        {"the last code point", "\xF4\x8F\xBF\xBF", {0x10FFFF}},
        {"beyond the last code point", "\xF4\x90\x80\x80", {0xFFFD}},
        {"cut short at the end", "a\xE6\x9D", {u'a', 0xFFFD}},
        {"cut short before a letter",
         "\xE6\x9D"
         "a",
         {0xFFFD, u'a'}},
        {"a byte that only continues",
         "\x80"
         "a",
         {0xFFFD, u'a'}},
        {"continuing bytes after a whole letter", "\xC3\xA9\xA9\xA9z", {0xFFFD, u'z'}},
        {"too long a form of '/'", "\xC0\xAF", {0xFFFD}},
        {"a surrogate", "\xED\xA0\x80", {0xFFFD}},
        {"no first byte of UTF-8", "\xF8\x88\x80\x80\x80", {0xFFFD}},
        {"nothing", "", {}},
    };
    for (const LettersCase& row : cases) {
        EXPECT_EQ(LettersOf(row.key), row.letters) << row.name;
        EXPECT_EQ(LetterCount(row.key), qsizetype(row.letters.size())) << row.name;
    }
}

// Keys of every length up to three words of eight bytes, with one byte beyond ASCII anywhere.
TEST(KeyLetters, IsAsciiLooksAtEveryByte) {
    for (qsizetype length = 0; length <= 24; ++length) {
        const QByteArray ascii(length, 'a');
        EXPECT_TRUE(IsAscii(ascii)) << length;
        for (qsizetype at = 0; at < length; ++at) {
            QByteArray key = ascii;
            key[at] = '\xC3';
            EXPECT_FALSE(IsAscii(key)) << length << " bytes, the one at " << at;
        }
    }
}

}  // namespace
}  // namespace fortunix::atlas
