#include <QByteArray>
#include <algorithm>
#include <cstring>

#include "atlas/Atlas.h"

// The keys lie packed one after another, each ending in a line break or bar, so one pass of
// a fast substring search over all of them replaces a comparison per key. Only hits of whole
// words count: every way a typed city can match a name begins and ends at word boundaries.

namespace fortunix::atlas {

namespace {

// Calls `hit` with the offset of each occurrence of `text` in `packed`, in bytes, overlapping
// occurrences included. Blocks of 16 bytes are tested at once for the first and the last
// byte of `text` in their places; only where both agree are the bytes between compared.
// (GCC and Clang vector types: plain SSE2 or NEON code, without intrinsics of either.)
template <typename Hit>
void ForEachOccurrence(QByteArrayView packed, QByteArrayView text, Hit hit) {
    using Block = unsigned char __attribute__((vector_size(16)));
    constexpr qsizetype kBlock = sizeof(Block);
    const qsizetype length = text.size();
    if (length == 0 || length > packed.size()) {
        return;
    }
    const char* const data = packed.data();
    const auto matchesAt = [&](qsizetype at) {
        return std::memcmp(data + at, text.data(), static_cast<std::size_t>(length)) == 0;
    };
    const auto first = static_cast<unsigned char>(text.front());
    const auto last = static_cast<unsigned char>(text.back());
    const qsizetype starts = packed.size() - length + 1;  // places where `text` can start
    qsizetype at = 0;
    for (; at + kBlock <= starts; at += kBlock) {
        Block firstBytes;
        Block lastBytes;
        std::memcpy(&firstBytes, data + at, kBlock);
        std::memcpy(&lastBytes, data + at + length - 1, kBlock);
        const Block both = (firstBytes == first) & (lastBytes == last);
        quint64 halves[2];
        std::memcpy(halves, &both, kBlock);
        if ((halves[0] | halves[1]) == 0) {
            continue;
        }
        for (qsizetype lane = 0; lane < kBlock; ++lane) {
            if (both[lane] != 0 && matchesAt(at + lane)) {
                hit(at + lane);
            }
        }
    }
    for (; at < starts; ++at) {
        if (matchesAt(at)) {
            hit(at);
        }
    }
}

QByteArrayView BytesOf(QStringView text) {
    return {reinterpret_cast<const char*>(text.utf16()), text.size() * qsizetype(sizeof(char16_t))};
}

// Among items ordered by where their key starts, the one whose key holds the `length`
// characters at `at`, or -1; the search starts at `from`, the item of the previous hit.
template <typename KeyStart, typename KeyLength>
qsizetype ItemHolding(qsizetype count, qsizetype from, qsizetype at, qsizetype length,
                      KeyStart keyStart, KeyLength keyLength) {
    qsizetype low = from;
    qsizetype high = count;
    while (low < high) {  // the first item whose key starts after `at`
        const qsizetype middle = low + (high - low) / 2;
        if (keyStart(middle) <= at) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    if (low == 0) {
        return -1;
    }
    return at + length <= keyStart(low - 1) + keyLength(low - 1) ? low - 1 : -1;
}

}  // namespace

std::vector<qsizetype> Atlas::placesWithKeyHolding(QStringView text) const {
    std::vector<qsizetype> found;
    const auto keyStart = [this](qsizetype index) {
        return qsizetype(places_[static_cast<std::size_t>(index)].keyStart);
    };
    const auto keyLength = [this](qsizetype index) {
        return qsizetype(places_[static_cast<std::size_t>(index)].keyLength);
    };
    // The keys are searched as bytes: a hit in the middle of a letter is none. The high byte
    // of the last letter, zero for every Latin letter and everywhere else too, is left out of
    // the bytes sought; the few wrong hits that lets through the caller's full match drops.
    QByteArrayView needle = BytesOf(text);
    while (needle.size() > 1 && needle.back() == '\0') {
        needle.chop(1);
    }
    ForEachOccurrence(BytesOf(keys_), needle, [&](qsizetype byte) {
        if (byte % qsizetype(sizeof(char16_t)) != 0) {
            return;
        }
        const qsizetype at = byte / qsizetype(sizeof(char16_t));
        const auto bounds = [](QChar c) { return c == u' ' || c == u'\n'; };
        if ((at > 0 && !bounds(keys_[at - 1])) ||
            (at + text.size() < keys_.size() && !bounds(keys_[at + text.size()]))) {
            return;  // not whole words
        }
        const qsizetype from = found.empty() ? 0 : found.back();
        const qsizetype place =
            ItemHolding(placeCount(), from, at, text.size(), keyStart, keyLength);
        if (place >= 0 && (found.empty() || found.back() != place)) {
            found.push_back(place);
        }
    });
    return found;
}

std::vector<qsizetype> Atlas::otherNamesWithKeyHolding(QStringView text) const {
    std::vector<qsizetype> found;
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x80; })) {
        return found;  // other names have ASCII keys only
    }
    const QByteArray ascii = text.toLatin1();
    const auto keyStart = [this](qsizetype index) {
        return qsizetype(otherNames_[static_cast<std::size_t>(index)].keyStart);
    };
    const auto keyLength = [this](qsizetype index) { return otherNameKey(index).size(); };
    const QByteArrayView table = otherKeysTable_;
    ForEachOccurrence(table, QByteArrayView(ascii), [&](qsizetype at) {
        const auto bounds = [](char c) { return c == ' ' || c == '|' || c == '\n' || c == '\r'; };
        if ((at > 0 && !bounds(table[at - 1])) ||
            (at + ascii.size() < table.size() && !bounds(table[at + ascii.size()]))) {
            return;  // not whole words
        }
        const qsizetype from = found.empty() ? 0 : found.back();
        const qsizetype other =
            ItemHolding(otherNameCount(), from, at, ascii.size(), keyStart, keyLength);
        if (other >= 0 && (found.empty() || found.back() != other)) {
            found.push_back(other);
        }
    });
    return found;
}

}  // namespace fortunix::atlas
