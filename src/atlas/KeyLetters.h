#pragma once

#include <QByteArrayView>
#include <cstring>

// Search keys are UTF-8 (atlas/SearchKey.h). What counts in them is letters, Unicode code
// points, whatever number of bytes each takes: the length of a name, the letters to edit.

namespace fortunix::atlas {

inline bool ContinuesLetter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The letter at `at` in `key`, moving `at` past it. A letter starts at each byte that does not
// continue another, so a malformed one (U+FFFD) takes up to the next such byte.
inline char32_t NextLetter(QByteArrayView key, qsizetype& at) {
    const auto lead = static_cast<unsigned char>(key[at++]);
    if (lead < 0x80) {
        return lead;
    }
    // How many bytes follow the first: 110xxxxx one, 1110xxxx two, 11110xxx three.
    const int following = lead >= 0xF8   ? -1
                          : lead >= 0xF0 ? 3
                          : lead >= 0xE0 ? 2
                          : lead >= 0xC0 ? 1
                                         : -1;
    char32_t letter = following < 0 ? 0 : lead & (0x3F >> following);
    int taken = 0;
    for (; at < key.size() && ContinuesLetter(key[at]); ++at, ++taken) {
        letter = (letter << 6) | (static_cast<unsigned char>(key[at]) & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    constexpr char32_t kReplacement = 0xFFFD;
    if (following < 0 || taken != following || letter < kSmallest[taken] || letter > 0x10FFFF ||
        (letter >= 0xD800 && letter <= 0xDFFF)) {
        return kReplacement;
    }
    return letter;
}

// Whether every byte of a key is ASCII, so that it holds as many letters as bytes. Eight bytes
// are looked at at once, the last eight of a key of eight or more overlapping the others.
inline bool IsAscii(QByteArrayView key) {
    constexpr quint64 kHighBits = 0x8080808080808080;
    constexpr qsizetype kWord = sizeof(quint64);
    quint64 high = 0;
    quint64 word = 0;
    for (qsizetype at = 0; at + kWord <= key.size(); at += kWord) {
        std::memcpy(&word, key.data() + at, kWord);
        high |= word;
    }
    if (key.size() >= kWord) {
        std::memcpy(&word, key.data() + key.size() - kWord, kWord);
        high |= word;
    } else {
        for (const char byte : key) {
            high |= static_cast<unsigned char>(byte);
        }
    }
    return (high & kHighBits) == 0;
}

// The letters of a key, as NextLetter steps through them.
inline qsizetype LetterCount(QByteArrayView key) {
    qsizetype letters = !key.isEmpty() && ContinuesLetter(key.front()) ? 1 : 0;
    for (const char byte : key) {
        letters += ContinuesLetter(byte) ? 0 : 1;
    }
    return letters;
}

}  // namespace fortunix::atlas
