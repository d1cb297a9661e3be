#include <QByteArray>
#include <algorithm>
#include <cstring>

#include "atlas/Atlas.h"
#include "atlas/ColumnSearch.h"

// The keys lie packed one after another, each ending in a line break or bar. The atlas image
// holds the offsets of their words sorted by the text from each on (Atlas::SortedWordStarts),
// with samples of their texts, so that the occurrences of a key that begins a word are found
// by a binary search among them, reading a few pages of the keys rather than all of them; a
// key that begins otherwise gets
// one pass of a fast substring search over all the keys. Only hits of whole
// words count: every way a typed city can match a name begins and ends at word boundaries.
// Keys are UTF-8, of main and other names alike: a search of their bytes finds their letters.

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

// Whether a byte can stand in a key's word: keys hold letters, digits and single spaces, and
// every byte of a letter beyond ASCII is 0x80 or above in UTF-8. Anything else, a space or
// what separates one key from the next, bounds a word.
bool IsWordByte(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    return b >= 0x80 || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z');
}

// Among items ordered by where their key starts, the one whose key holds the `length`
// bytes at `at`, or -1.
template <typename KeyStart, typename KeyLength>
qsizetype ItemHolding(qsizetype count, qsizetype at, qsizetype length, KeyStart keyStart,
                      KeyLength keyLength) {
    const qsizetype after = FirstAbove(count, at, keyStart);  // the first that starts after `at`
    if (after == 0) {
        return -1;
    }
    return at + length <= keyStart(after - 1) + keyLength(after - 1) ? after - 1 : -1;
}

// Whether `suffix` comes before `key` in byte order; a suffix that `key` begins is not before it.
bool SuffixBefore(QByteArrayView suffix, QByteArrayView key) {
    const auto common = static_cast<std::size_t>(std::min(suffix.size(), key.size()));
    const int order = std::memcmp(suffix.data(), key.data(), common);
    return order < 0 || (order == 0 && suffix.size() < key.size());
}

// Whether the sample `leading` (Atlas::WordSamples) is before `key`, after it or neither (0):
// the samples of texts in order are in the same order, so that a sample before or after the
// key's own leading bytes tells where the text stands without reading it.
int CompareLeading(QByteArrayView leading, QByteArrayView key) {
    char keyLeading[kWordSampleBytes] = {};
    std::memcpy(keyLeading, key.data(),
                static_cast<std::size_t>(std::min(key.size(), kWordSampleBytes)));
    return std::memcmp(leading.data(), keyLeading, sizeof keyLeading);
}

// How many bytes `text` and `key` share from their start.
qsizetype SharedLength(QByteArrayView text, QByteArrayView key) {
    const qsizetype common = std::min(text.size(), key.size());
    qsizetype at = 0;
    while (at < common && text[at] == key[at]) {
        ++at;
    }
    return at;
}

// How many bytes the text of a word whose sample `leading` is before `key` shares with it, as
// far as the sample tells: kWordSampleBytes when it holds that many of the key's bytes, and
// only the text tells more. A text shorter than a sample ends in zeros, which no key holds.
qsizetype SharedWithSample(QByteArrayView leading, QByteArrayView key) {
    qsizetype at = 0;
    while (at < kWordSampleBytes && leading[at] == (at < key.size() ? key[at] : '\0')) {
        ++at;
    }
    return at;
}

// Whether `text` ends a word after its first `length` bytes.
bool EndsWordAt(QByteArrayView text, qsizetype length) {
    return length == text.size() || !IsWordByte(text[length]);
}

// Calls `hit` with the index among `words` of each word whose text holds `key` as whole words
// from its start, in their order. The samples narrow the search for the first to
// kWordSampleStep words, and what each shares with the one before it (Atlas::WordSharedBytes)
// finds it among them, reading few texts: each text read is a page of the mapped keys, and each
// page read brings its neighbours in with it. The words holding `key` follow it side by side,
// and what they share tells where they end and which hold it as whole words.
template <typename Hit>
void ForEachWordHolding(QByteArrayView packed, const WordIndex& words, QByteArrayView key,
                        Hit hit) {
    const ImageColumn<quint32>& starts = words.starts;
    const auto suffix = [&](std::size_t index) {  // within `packed`, even in a damaged image
        return packed.sliced(std::min<qsizetype>(starts[index], packed.size()));
    };
    const auto sampleBefore = [&](std::size_t sample) {
        const int order = CompareLeading(
            words.samples.sliced(qsizetype(sample) * kWordSampleBytes, kWordSampleBytes), key);
        return order < 0 || (order == 0 && SuffixBefore(suffix(sample * kWordSampleStep), key));
    };
    std::size_t low = 0;  // the first sample whose word is not before `key`
    std::size_t high = std::size_t(words.samples.size() / kWordSampleBytes);
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (sampleBefore(middle)) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    // The first word not before `key` lies after the previous sample's, up to this sample's.
    // Each word up to it is before `key`, sharing some bytes with it; the next word shares more
    // with this one, and is before `key` sharing as many, or fewer, and is after it; or as
    // many, and its next byte tells. Only texts whose next byte is the key's are read.
    if (low > 0) {
        const std::size_t end = std::min(low * kWordSampleStep, starts.size());
        std::size_t word = (low - 1) * kWordSampleStep;
        qsizetype known = SharedWithSample(
            words.samples.sliced(qsizetype(low - 1) * kWordSampleBytes, kWordSampleBytes), key);
        if (known == kWordSampleBytes) {
            known = SharedLength(suffix(word), key);
        }
        for (++word; word < end; ++word) {
            const qsizetype sharedBytes = words.shared[word];
            const bool counted = sharedBytes < kSharedBytesKept;
            if (counted ? sharedBytes > known : known < kSharedBytesKept) {
                continue;
            }
            if (counted && sharedBytes < known) {
                return;  // after `key`, without holding it
            }
            if (counted && known < key.size()) {  // the byte after those it shares with `key`
                const quint8 next = words.differing[word];
                if (next < quint8(key[known])) {
                    continue;
                }
                if (next > quint8(key[known])) {
                    return;
                }
            }
            const QByteArrayView text = suffix(word);
            if (!SuffixBefore(text, key)) {
                break;
            }
            known = SharedLength(text, key);
        }
        low = word;
    }
    if (low == starts.size() || !suffix(low).startsWith(key)) {
        return;
    }
    // A word that shares more than `key` with the previous one ends `key` as it does; one that
    // shares at least kSharedBytesKept with it, when `key` is as long, has its text read.
    bool whole = EndsWordAt(suffix(low), key.size());
    while (true) {
        if (whole) {
            hit(low);
        }
        if (++low == starts.size()) {
            return;
        }
        const qsizetype sharedBytes = words.shared[low];
        if (sharedBytes == kSharedBytesKept && key.size() >= kSharedBytesKept) {
            const QByteArrayView text = suffix(low);
            if (!text.startsWith(key)) {
                return;
            }
            whole = EndsWordAt(text, key.size());
        } else if (sharedBytes < key.size()) {
            return;
        } else if (sharedBytes == key.size()) {
            whole = !IsWordByte(char(words.differing[low]));
        }
    }
}

// The items (places, or other names) whose key holds `key` as whole words, in ascending
// order, each once: their keys lie in `packed` at keyStart(item), keyLength(item) bytes long.
template <typename KeyStart, typename KeyLength>
std::vector<qsizetype> ItemsWithKeyHolding(QByteArrayView packed, const WordIndex& words,
                                           qsizetype count, KeyStart keyStart, KeyLength keyLength,
                                           QByteArrayView key) {
    std::vector<qsizetype> found;
    if (!key.isEmpty() && IsWordByte(key.front())) {
        ForEachWordHolding(packed, words, key, [&](std::size_t word) {
            if (const quint32 item = words.items[word]; item < quint32(count)) {
                found.push_back(item);
            }
        });
        std::sort(found.begin(), found.end());
        found.erase(std::unique(found.begin(), found.end()), found.end());
        return found;
    }
    // A key that begins otherwise than a word does, found wherever it lies.
    ForEachOccurrence(packed, key, [&](qsizetype at) {
        const qsizetype end = at + key.size();
        if ((at > 0 && IsWordByte(packed[at - 1])) ||
            (end < packed.size() && IsWordByte(packed[end]))) {
            return;  // not whole words
        }
        const qsizetype item = ItemHolding(count, at, key.size(), keyStart, keyLength);
        if (item >= 0 && (found.empty() || found.back() != item)) {
            found.push_back(item);
        }
    });
    return found;
}

}  // namespace

std::vector<quint32> Atlas::SortedWordStarts(QByteArrayView packed) {
    std::vector<quint32> starts;
    for (qsizetype at = 0; at < packed.size(); ++at) {
        if (IsWordByte(packed[at]) && (at == 0 || !IsWordByte(packed[at - 1]))) {
            starts.push_back(static_cast<quint32>(at));
        }
    }
    std::sort(starts.begin(), starts.end(), [packed](quint32 a, quint32 b) {
        return SuffixBefore(packed.sliced(a), packed.sliced(b));
    });
    return starts;
}

QByteArray Atlas::WordSamples(QByteArrayView packed, const std::vector<quint32>& wordStarts) {
    QByteArray samples;
    for (std::size_t word = 0; word < wordStarts.size(); word += kWordSampleStep) {
        const QByteArrayView text = packed.sliced(wordStarts[word]);
        samples += text.first(std::min(text.size(), kWordSampleBytes));
        samples += QByteArray(kWordSampleBytes - std::min(text.size(), kWordSampleBytes), '\0');
    }
    return samples;
}

std::vector<quint32> Atlas::WordItems(const std::vector<quint32>& wordStarts,
                                      const std::vector<quint32>& keyStarts,
                                      const std::vector<quint32>& keyEnds) {
    std::vector<quint32> items;
    items.reserve(wordStarts.size());
    for (const quint32 start : wordStarts) {
        const auto after = std::upper_bound(keyStarts.begin(), keyStarts.end(), start);
        const auto item = std::size_t(after - keyStarts.begin()) - 1;
        items.push_back(after != keyStarts.begin() && start < keyEnds[item] ? quint32(item)
                                                                            : kNoItem);
    }
    return items;
}

QByteArray Atlas::WordSharedBytes(QByteArrayView packed, const std::vector<quint32>& wordStarts) {
    QByteArray shared;
    shared.reserve(2 * qsizetype(wordStarts.size()));
    QByteArrayView previous;
    for (const quint32 start : wordStarts) {
        const QByteArrayView text = packed.sliced(start);
        const qsizetype longest =
            std::min({text.size(), previous.size(), qsizetype(kSharedBytesKept)});
        qsizetype bytes = 0;
        while (bytes < longest && text[bytes] == previous[bytes]) {
            ++bytes;
        }
        shared += char(bytes);
        shared += bytes < kSharedBytesKept && bytes < text.size() ? text[bytes] : '\0';
        previous = text;
    }
    return shared;
}

std::vector<qsizetype> Atlas::placesWithKeyHolding(QByteArrayView key) const {
    return ItemsWithKeyHolding(
        view_.keys, view_.placeWords, placeCount(),
        [this](qsizetype index) { return qsizetype(view_.keyStarts[std::size_t(index)]); },
        [this](qsizetype index) { return placeKey(index).size(); }, key);
}

std::vector<qsizetype> Atlas::otherNamesWithKeyHolding(QByteArrayView key) const {
    return ItemsWithKeyHolding(
        view_.otherKeys, view_.otherWords, otherNameCount(),
        [this](qsizetype index) { return qsizetype(view_.otherKeyStarts[std::size_t(index)]); },
        [this](qsizetype index) { return otherNameKey(index).size(); }, key);
}

}  // namespace fortunix::atlas
