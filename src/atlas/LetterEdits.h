#pragma once

#include <QByteArrayView>
#include <QtGlobal>
#include <array>
#include <utility>
#include <vector>

#include "atlas/KeyLetters.h"

namespace fortunix::atlas {

// The letters to insert, delete, change or swap with a neighbour to turn the typed key into
// the other ("londn" -> "london": 1), or `limit` + 1 when more than `limit` are needed or the
// typed key is longer than 64 letters. Keys are UTF-8; a letter is a code point, in any script.
int LetterEdits(QByteArrayView typedKey, QByteArrayView key, int limit);

// The same from one typed key to many keys, as the search for close spellings compares it
// with every name in the atlas. The optimal string alignment distance (insertions, deletions,
// changes and swaps of neighbours) is computed a column of up to 64 cells at a time in the
// bits of machine words (Hyyrö's bit-vector algorithm). Every letter of the typed key that a
// key lacks costs at least one edit, so most keys are passed over on their letters alone.
class LetterEditCounter {
  public:
    static constexpr qsizetype kLongest = 64;  // letters of a typed key

    LetterEditCounter(QByteArrayView typedKey, int limit);

    // The distance from the typed key to `key`, or the limit + 1 when it is more.
    int Edits(QByteArrayView key) const {
        // A key has no more letters than bytes, and too many when more bytes than the typed
        // letters and the limit are ASCII: most keys are passed over on their first bytes, here
        // where the search calls this for every key.
        const qsizetype mostLetters = length_ + limit_;
        if (length_ == 0 || length_ > kLongest || key.size() < length_ - limit_ ||
            (key.size() > mostLetters && IsAscii(key.first(mostLetters + 1)))) {
            return limit_ + 1;
        }
        return EditsWithinLength(key);
    }

  private:
    static constexpr char32_t kAscii = 128;

    int EditsWithinLength(QByteArrayView key) const;
    quint64 MatchesOf(char32_t letter) const;

    qsizetype length_ = 0;  // letters of the typed key
    int limit_;
    quint64 letters_ = 0;                  // which letters it holds, roughly
    std::array<quint64, kAscii> ascii_{};  // where each letter stands in the typed key
    std::vector<std::pair<char32_t, quint64>> others_;
};

}  // namespace fortunix::atlas
