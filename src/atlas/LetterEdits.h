#pragma once

#include <QByteArrayView>
#include <QtGlobal>
#include <array>
#include <utility>
#include <vector>

#include "atlas/KeyLetters.h"

namespace fortunix::atlas {

// The last of KeyLetterBits: the key holds letters beyond ASCII, of more than a byte each.
inline constexpr quint32 kBeyondAscii = quint32(1) << 31;

// Whether `bits` has more than `count` bits set, for a small count.
inline bool MoreBitsThan(quint32 bits, int count) {
    for (int i = 0; i < count; ++i) {
        bits &= bits - 1;  // clears the lowest bit set
    }
    return bits != 0;
}

// The letters to insert, delete, change or swap with a neighbour to turn a typed key into
// another ("londn" -> "london": 1), or `limit` + 1 when more than `limit` are needed or the
// typed key is longer than 64 letters. Keys are UTF-8; a letter is a code point, in any script.
// Counted from one typed key to many keys, as the search for close spellings compares it
// with every name in the atlas. The optimal string alignment distance (insertions, deletions,
// changes and swaps of neighbours) is computed a column of up to 64 cells at a time in the
// bits of machine words (Hyyrö's bit-vector algorithm). Every letter of the typed key that a
// key lacks costs at least one edit, so most keys are passed over on their letters alone.
class LetterEditCounter {
  public:
    static constexpr qsizetype kLongest = 64;  // letters of a typed key

    LetterEditCounter(QByteArrayView typedKey, int limit);

    // Whether a key with these KeyLetterBits lacks more of the typed letters than the limit,
    // each of which costs an edit: too far, known without reading the key.
    bool LacksTooManyLetters(quint32 keyLetterBits) const {
        return MoreBitsThan(letters_ & ~keyLetterBits, limit_);
    }

    // The distance to a key whose KeyLetterBits are known, as the atlas keeps them: a key in
    // ASCII has as many letters as bytes, and is read only to count the edits.
    int Edits(QByteArrayView key, quint32 keyLetterBits) const {
        if (LacksTooManyLetters(keyLetterBits)) {
            return limit_ + 1;
        }
        const bool ascii = (keyLetterBits & kBeyondAscii) == 0;
        if (!MayBeWithinLimit(key, ascii)) {
            return limit_ + 1;
        }
        return ascii ? Distance(key, true) : EditsWithinLength(key);
    }

    // The distance from the typed key to `key`, or the limit + 1 when it is more.
    int Edits(QByteArrayView key) const {
        return MayBeWithinLimit(key, false) ? EditsWithinLength(key) : limit_ + 1;
    }

  private:
    static constexpr char32_t kAscii = 128;

    // Whether the length of `key` leaves it within the limit (`ascii`: the key is known to be
    // all ASCII). A key has no more letters than bytes, and too many when more bytes than the
    // typed letters and the limit are ASCII: most keys are passed over on their first bytes,
    // here where the search calls this for every key.
    bool MayBeWithinLimit(QByteArrayView key, bool ascii) const {
        const qsizetype mostLetters = length_ + limit_;
        return length_ != 0 && length_ <= kLongest && key.size() >= length_ - limit_ &&
               (key.size() <= mostLetters || !(ascii || IsAscii(key.first(mostLetters + 1))));
    }

    int EditsWithinLength(QByteArrayView key) const;
    // The distance itself, for a key of about the typed length: `ascii` when it is all ASCII.
    int Distance(QByteArrayView key, bool ascii) const;
    quint64 MatchesOf(char32_t letter) const;

    qsizetype length_ = 0;  // letters of the typed key
    int limit_;
    quint32 letters_ = 0;                  // which letters it holds, roughly (KeyLetterBits)
    bool typedAscii_ = true;               // whether they are all ASCII
    std::array<quint64, kAscii> ascii_{};  // where each letter stands in the typed key
    std::vector<std::pair<char32_t, quint64>> others_;
};

// The letters of a key in the bits of a word, for a first look: one bit for each of a to z,
// bits shared by the digits and by the letters beyond ASCII, and a last bit when there are
// any of those. The atlas keeps them for every key, so that the search for close spellings
// passes over most keys without reading them (LetterEditCounter::LacksTooManyLetters).
quint32 KeyLetterBits(QByteArrayView key);

}  // namespace fortunix::atlas
