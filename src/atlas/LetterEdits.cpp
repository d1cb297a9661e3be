#include "atlas/LetterEdits.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace fortunix::atlas {

namespace {

// Whether `bits` has more than `count` bits set, for a small count.
bool MoreBitsThan(quint64 bits, int count) {
    for (int i = 0; i < count; ++i) {
        bits &= bits - 1;  // clears the lowest bit set
    }
    return bits != 0;
}

constexpr quint64 kOtherLetter = quint64(1) << 63;

// The bit of each byte in LettersOf; none for a space.
constexpr std::array<quint64, 256> kLetterBits = [] {
    std::array<quint64, 256> bits{};
    for (int byte = 0; byte < 256; ++byte) {
        if (byte >= 'a' && byte <= 'z') {
            bits[byte] = quint64(1) << (byte - 'a');
        } else if (byte >= '0' && byte <= '9') {
            bits[byte] = quint64(1) << (26 + byte - '0');
        } else if (byte != ' ') {
            bits[byte] = kOtherLetter;
        }
    }
    return bits;
}();

// One bit for each of a to z and 0 to 9 in a key; any other letter the last bit. A key
// without that bit holds only ASCII letters and digits, one byte each.
quint64 LettersOf(QByteArrayView key) {
    quint64 letters = 0;
    for (const char* byte = key.data(); byte != key.data() + key.size(); ++byte) {
        letters |= kLetterBits[static_cast<unsigned char>(*byte)];
    }
    return letters;
}

}  // namespace

LetterEditCounter::LetterEditCounter(QByteArrayView typedKey, int limit)
    : limit_(limit), letters_(LettersOf(typedKey)) {
    for (qsizetype at = 0; at < typedKey.size(); ++length_) {
        const char32_t letter = NextLetter(typedKey, at);
        if (length_ >= kLongest) {
            continue;
        }
        const quint64 position = quint64(1) << length_;
        if (letter < kAscii) {
            ascii_[letter] |= position;
            continue;
        }
        const auto known =
            std::find_if(others_.begin(), others_.end(),
                         [letter](const auto& other) { return other.first == letter; });
        if (known != others_.end()) {
            known->second |= position;
        } else {
            others_.push_back({letter, position});
        }
    }
}

inline quint64 LetterEditCounter::MatchesOf(char32_t letter) const {
    if (letter < kAscii) {
        return ascii_[letter];
    }
    for (const auto& [other, positions] : others_) {
        if (other == letter) {
            return positions;
        }
    }
    return 0;
}

int LetterEditCounter::EditsWithinLength(QByteArrayView key) const {
    const quint64 keyLetters = LettersOf(key);
    const bool ascii = (keyLetters & kOtherLetter) == 0;
    const qsizetype keyLength = ascii ? key.size() : LetterCount(key);
    if (std::abs(length_ - keyLength) > limit_ || MoreBitsThan(letters_ & ~keyLetters, limit_)) {
        return limit_ + 1;
    }
    const quint64 lastRow = quint64(1) << (length_ - 1);
    quint64 plus = ~quint64(0);  // where the column steps up by one, and down by one
    quint64 minus = 0;
    quint64 diagonalZero = 0;
    quint64 previousMatches = 0;
    int distance = static_cast<int>(length_);
    const auto addColumn = [&](quint64 matches) {
        const quint64 swapped = ((~diagonalZero & matches) << 1) & previousMatches;
        diagonalZero = (((matches & plus) + plus) ^ plus) | matches | minus | swapped;
        quint64 rowPlus = minus | ~(diagonalZero | plus);
        quint64 rowMinus = diagonalZero & plus;
        if ((rowPlus & lastRow) != 0) {
            ++distance;
        } else if ((rowMinus & lastRow) != 0) {
            --distance;
        }
        rowPlus = (rowPlus << 1) | 1;
        rowMinus <<= 1;
        plus = rowMinus | ~(diagonalZero | rowPlus);
        minus = rowPlus & diagonalZero;
        previousMatches = matches;
    };
    if (ascii) {
        for (const char byte : key) {
            addColumn(ascii_[static_cast<unsigned char>(byte)]);
        }
    } else {
        for (qsizetype at = 0; at < key.size();) {
            addColumn(MatchesOf(NextLetter(key, at)));
        }
    }
    return std::min(distance, limit_ + 1);
}

int LetterEdits(QByteArrayView typedKey, QByteArrayView key, int limit) {
    return LetterEditCounter(typedKey, limit).Edits(key);
}

}  // namespace fortunix::atlas
