#include "atlas/LetterEdits.h"

#include <gtest/gtest.h>

#include <QByteArray>

namespace fortunix::atlas {
namespace {

struct EditsCase {
    const char* name;
    const char* typed;
    const char* key;
    int limit;
    int expected;  // counted by hand
};

const EditsCase kCases[] = {
    {"same", "london", "london", 2, 0},
    {"one left out", "londn", "london", 2, 1},
    {"one too many", "londonn", "london", 2, 1},
    {"one changed", "lomdon", "london", 2, 1},
    {"neighbours swapped", "lodnon", "london", 2, 1},
    {"two changed", "lindan", "london", 2, 2},
    {"three edits", "kitten", "sitting", 3, 3},
    {"a swapped pair is not edited again", "ca", "abc", 3, 3},
    {"beyond the limit", "paris", "london", 2, 3},
    {"lengths differ by one more than the limit", "a", "abcd", 2, 3},
    {"lengths differ by the limit", "ab", "abcd", 2, 2},
    {"key shorter by the limit", "abcd", "ab", 2, 2},
    {"key shorter by one more than the limit", "abcde", "ab", 2, 3},
    {"a space is a letter", "new york", "newyork", 2, 1},
    {"Cyrillic letters count one each", "москва", "масква", 2, 1},
    {"Cyrillic swap", "мосвка", "москва", 2, 1},
    {"Cyrillic, lengths differ by the limit", "рига", "ригаaa", 2, 2},
    {"longer in bytes than in letters by its last letter", "ab", "abcé", 2, 2},
    {"the ninth letter of two bytes, past eight ASCII", "abcdefg", "abcdefghé", 2, 2},
    {"a letter twice in the typed key", "ωωα", "ωαα", 2, 1},
    {"a letter twice, both matched", "ωωα", "ωωα", 2, 0},
    {"one script for another", "tula", "тула", 2, 3},
    {"nothing typed", "", "abc", 2, 3},
    {"lacks as many typed letters as the limit", "abcd", "abxy", 2, 2},
    {"lacks one more typed letter than the limit", "abcde", "abxyz", 2, 3},
    {"other script for ASCII", "moskva", "москва", 2, 3},
    {"two letters beyond ASCII, the limit", "abcd", "abгд", 2, 2},
    {"three letters beyond ASCII", "abcde", "abвгд", 2, 3},
    {"ASCII letter in a Cyrillic key", "рига", "aига", 2, 1},
    {"Cyrillic, one edit allowed", "мир", "мор", 1, 1},
    {"three-byte letters", "東京都", "東京", 1, 1},
    {"three-byte letters, one changed", "東京", "北京", 1, 1},
    {"three-byte letters, both changed", "東京", "大阪", 1, 2},
};

TEST(LetterEdits, CountsInsertionsDeletionsChangesAndSwaps) {
    for (const EditsCase& row : kCases) {
        EXPECT_EQ(LetterEditCounter(row.typed, row.limit).Edits(row.key), row.expected) << row.name;
    }
}

// The atlas keeps the letter bits of every key: with them, the count must be the same, and
// a key passed over on its bits alone must be beyond the limit.
TEST(LetterEdits, KnownLetterBitsGiveTheSameCount) {
    for (const EditsCase& row : kCases) {
        const LetterEditCounter counter(row.typed, row.limit);
        const quint32 bits = KeyLetterBits(row.key);
        EXPECT_EQ(counter.Edits(row.key, bits), row.expected) << row.name;
        if (counter.LacksTooManyLetters(bits)) {
            EXPECT_GT(row.expected, row.limit) << row.name;
        }
    }
}

// A typed key of 64 letters is compared; one of 65 is too long for the bits of a word.
TEST(LetterEdits, TypedKeysUpToSixtyFourLetters) {
    const QByteArray longest(64, 'a');
    EXPECT_EQ(LetterEditCounter(longest, 2).Edits(longest), 0);
    EXPECT_EQ(LetterEditCounter(longest, 2).Edits(longest.chopped(1) + 'b'), 1);
    const QByteArray tooLong(65, 'a');
    EXPECT_EQ(LetterEditCounter(tooLong, 2).Edits(tooLong), 3);
    // 64 letters of two bytes each: letters count, not bytes.
    QByteArray greek;
    for (int i = 0; i < 64; ++i) {
        greek += "ω";
    }
    EXPECT_EQ(LetterEditCounter(greek, 2).Edits(greek), 0);
    EXPECT_EQ(LetterEditCounter(greek + "ω", 2).Edits(greek + "ω"), 3);
}

}  // namespace
}  // namespace fortunix::atlas
