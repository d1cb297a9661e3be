#include "atlas/LetterEdits.h"

#include <algorithm>
#include <cstdlib>

#include "atlas/KeyLetters.h"

namespace fortunix::atlas {

namespace {

// Whether `bits` has more than `count` bits set, for a small count.
bool MoreBitsThan(quint64 bits, int count) {
    for (int i = 0; i < count; ++i) {
        bits &= bits - 1;  // clears the lowest bit set
    }
    return bits != 0;
}

struct KeyLetters {
    quint64 letters;  // one bit for each of a to z and 0 to 9; any other letter the last bit
    qsizetype count;  // as LetterCount counts them
};

// Both in one pass over the bytes.
KeyLetters LettersOf(QByteArrayView key) {
    KeyLetters found{0, !key.isEmpty() && ContinuesLetter(key.front()) ? 1 : 0};
    for (const char byte : key) {
        const auto b = static_cast<unsigned char>(byte);
        if (b >= 'a' && b <= 'z') {
            found.letters |= quint64(1) << (b - 'a');
        } else if (b >= '0' && b <= '9') {
            found.letters |= quint64(1) << (26 + b - '0');
        } else if (b != ' ') {
            found.letters |= quint64(1) << 63;
        }
        found.count += ContinuesLetter(byte) ? 0 : 1;
    }
    return found;
}

}  // namespace

LetterEditCounter::LetterEditCounter(QByteArrayView typedKey, int limit)
    : limit_(limit), letters_(LettersOf(typedKey).letters) {
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

quint64 LetterEditCounter::MatchesOf(char32_t letter) const {
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

int LetterEditCounter::Edits(QByteArrayView key) const {
    // A key has no more letters than bytes: most keys too short go without a look at them.
    if (length_ == 0 || length_ > kLongest || key.size() < length_ - limit_) {
        return limit_ + 1;
    }
    const KeyLetters keyLetters = LettersOf(key);
    if (std::abs(length_ - keyLetters.count) > limit_ ||
        MoreBitsThan(letters_ & ~keyLetters.letters, limit_)) {
        return limit_ + 1;
    }
    const quint64 lastRow = quint64(1) << (length_ - 1);
    quint64 plus = ~quint64(0);  // where the column steps up by one, and down by one
    quint64 minus = 0;
    quint64 diagonalZero = 0;
    quint64 previousMatches = 0;
    int distance = static_cast<int>(length_);
    for (qsizetype at = 0; at < key.size();) {
        const quint64 matches = MatchesOf(NextLetter(key, at));
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
    }
    return std::min(distance, limit_ + 1);
}

int LetterEdits(QByteArrayView typedKey, QByteArrayView key, int limit) {
    return LetterEditCounter(typedKey, limit).Edits(key);
}

}  // namespace fortunix::atlas
