#include "atlas/PlaceNameKey.h"

#include <QByteArray>
#include <array>
#include <cstring>

#include "atlas/SearchKey.h"

namespace fortunix::atlas {

namespace {

struct Abbreviation {
    QByteArrayView shortForm;
    QByteArrayView longForm;
};

constexpr std::array<Abbreviation, 4> kAbbreviations{{
    {"st", "saint"},
    {"ste", "sainte"},
    {"mt", "mount"},
    {"ft", "fort"},
}};

QByteArrayView LongFormOf(QByteArrayView word) {
    for (const Abbreviation& abbreviation : kAbbreviations) {
        if (word == abbreviation.shortForm) {
            return abbreviation.longForm;
        }
    }
    return word;
}

// Calls `word` with each word of a key.
template <typename WordHandler>
void ForEachWord(QByteArrayView key, WordHandler word) {
    qsizetype start = 0;
    for (qsizetype at = 0; at <= key.size(); ++at) {
        if (at == key.size() || key[at] == ' ') {
            if (at > start) {
                word(key.sliced(start, at - start));
            }
            start = at + 1;
        }
    }
}

// Whether a key may hold an abbreviation: a word starting "st", "mt" or "ft". Few do, and this
// look at the bytes spares the others a word-by-word comparison.
bool MayHoldAbbreviation(QByteArrayView key) {
    if (key.size() < 2) {
        return false;  // an empty key may have no bytes at all to point into
    }
    const char* const first = key.data();
    const char* const end = first + key.size();
    for (const char* t = first + 1; t < end; ++t) {
        t = static_cast<const char*>(std::memchr(t, 't', std::size_t(end - t)));
        if (!t) {
            return false;
        }
        const char c = t[-1];
        if ((c == 's' || c == 'm' || c == 'f') && (t - 1 == first || t[-2] == ' ')) {
            return true;
        }
    }
    return false;
}

// Writes out the abbreviations in the key from `start` to the end of `keys`.
void WriteOutAbbreviations(QByteArray& keys, qsizetype start) {
    const QByteArrayView key = QByteArrayView(keys).sliced(start);
    if (!MayHoldAbbreviation(key)) {
        return;
    }
    bool abbreviated = false;
    ForEachWord(key, [&](QByteArrayView word) {
        abbreviated = abbreviated || LongFormOf(word).data() != word.data();
    });
    if (!abbreviated) {
        return;
    }
    QByteArray expanded;
    expanded.reserve(key.size() + 8);
    ForEachWord(key, [&](QByteArrayView word) {
        if (!expanded.isEmpty()) {
            expanded.append(' ');
        }
        expanded.append(LongFormOf(word));
    });
    keys.truncate(start);
    keys.append(expanded);
}

}  // namespace

QByteArray PlaceNameKey(QStringView text) {
    QByteArray key = SearchKey(text);
    WriteOutAbbreviations(key, 0);
    return key;
}

void AppendPlaceNameKey(QByteArray& keys, QByteArrayView utf8Name) {
    const qsizetype start = keys.size();
    AppendSearchKey(keys, utf8Name);
    WriteOutAbbreviations(keys, start);
}

}  // namespace fortunix::atlas
