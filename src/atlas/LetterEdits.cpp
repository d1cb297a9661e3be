#include "atlas/LetterEdits.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace fortunix::atlas {

namespace {

constexpr int kOtherBits = 31;  // bits 0 to 30

// The bit of the last byte of a letter beyond ASCII: bytes that continue a letter in UTF-8
// carry its last six bits, which share 31 bits (with the ASCII letters: a key in another
// script is told from an ASCII one by its letters beyond ASCII, which cost an edit each).
constexpr quint32 ContinuationBit(unsigned byte) {
    return quint32(1) << ((byte & 0x3F) % kOtherBits);
}

// The bits of each byte in KeyLetterBits; none for a space.
constexpr std::array<quint32, 256> kLetterBits = [] {
    std::array<quint32, 256> bits{};
    for (unsigned byte = 0; byte < 256; ++byte) {
        if (byte >= 'a' && byte <= 'z') {
            bits[byte] = quint32(1) << (byte - 'a');
        } else if (byte >= '0' && byte <= '9') {
            bits[byte] = quint32(1) << (26 + (byte - '0') % 5);
        } else if (byte >= 0x80 && byte < 0xC0) {
            bits[byte] = kBeyondAscii | ContinuationBit(byte);
        } else if (byte != ' ') {
            bits[byte] = kBeyondAscii;
        }
    }
    return bits;
}();

// The bit of one letter of the typed key: that of its last byte, without the last bit. A
// key that lacks the bit lacks every typed letter that has it, so the bits a key lacks count
// letters that cost an edit each.
quint32 LetterBit(char32_t letter) {
    if (letter < 0x80) {
        return kLetterBits[letter] & ~kBeyondAscii;
    }
    return ContinuationBit(0x80 | (letter & 0x3F));
}

}  // namespace

LetterEditCounter::LetterEditCounter(QByteArrayView typedKey, int limit) : limit_(limit) {
    for (qsizetype at = 0; at < typedKey.size(); ++length_) {
        const char32_t letter = NextLetter(typedKey, at);
        letters_ |= LetterBit(letter);
        if (length_ >= kLongest) {
            continue;
        }
        const quint64 position = quint64(1) << length_;
        typedAscii_ = typedAscii_ && letter < kAscii;
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
    // The key's letters (kLetterBits) and their number (LetterCount) in one pass. A typed key
    // in ASCII lacks every letter beyond it, which the key can only lose or change: an edit
    // each, so a key with more of them than the limit is passed over on its first bytes.
    quint32 keyLetters = 0;
    qsizetype keyLength = !key.isEmpty() && ContinuesLetter(key.front()) ? 1 : 0;
    int lettersBeyondAscii = 0;
    for (const char c : key) {
        const auto byte = static_cast<unsigned char>(c);
        keyLetters |= kLetterBits[byte];
        keyLength += ContinuesLetter(c) ? 0 : 1;
        if (byte >= 0xC0 && typedAscii_ && ++lettersBeyondAscii > limit_) {
            return limit_ + 1;
        }
    }
    const bool ascii = (keyLetters & kBeyondAscii) == 0;
    if (std::abs(length_ - keyLength) > limit_ || MoreBitsThan(letters_ & ~keyLetters, limit_)) {
        return limit_ + 1;
    }
    return Distance(key, ascii);
}

int LetterEditCounter::Distance(QByteArrayView key, bool ascii) const {
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

quint32 KeyLetterBits(QByteArrayView key) {
    quint32 letters = 0;
    for (const char byte : key) {
        letters |= kLetterBits[static_cast<unsigned char>(byte)];
    }
    return letters;
}

}  // namespace fortunix::atlas
